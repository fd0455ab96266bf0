// libFuzzer target: bytes as a page frame choice and mark-up lines, laid out into pages.
#include "fuzz/FuzzMain.h"
#include "fuzz/MarkupCheck.h"

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
        = CheckMarkupBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
            QStringLiteral(TRABIK_FUZZ_IMAGES));
    if (!problem.isEmpty())
        FuzzFail(problem);
    // The program's event loop lets Qt trim its font caches on timers; without it they only grow.
    QCoreApplication::processEvents();
    return 0;
}
