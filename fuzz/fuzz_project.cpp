// libFuzzer target: bytes as a project file, opened, saved and opened again.
#include "fuzz/FuzzMain.h"
#include "fuzz/ProjectCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzStartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString problem
        = CheckProjectBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!problem.isEmpty())
        FuzzFail(problem);
    return 0;
}
