// Layout and PDF speed of the document engine on a long report-like body of text, tables and
// drawings, and the report of a 200-load-case task as `trabik-cli report` writes it. Budgets: layout
// >= 200 pages/s, PDF >= 100 pages/s; the whole report (compose, lay out, write) <= 250 ms.
#include "bench/BigTask.h"
#include "document/PdfExport.h"
#include "document/uDokument.h"
#include "report/uPosudek.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

const QStringList Frame {
    "<left 20><right 15><top 15><bottom 20><pen 5><box 15 10 195 287><pen 1>",
    "<cur 0 -3>Zakázka: Ukázková hala<curx 120>Strana &pagenumber;<br><line 15 20 195 20>",
    "<curx 0><cury 10><mark 1>",
};

void AddSection(QStringList& body, int i)
{
    body << QStringLiteral("<h1>%1. Zatěžovací stav ZS%1</h1>").arg(i);
    for (int p = 0; p < 4; ++p)
        body << "Výpočet vnitřních sil prostého trabíku o rozpětí L = 6,000 m od normového zatížení "
                "q<sub>n</sub> = 12,500 kN/m a <alfa> = 0,85, kde M<sub>max</sub> &let; <frac>q L<sup>2</sup>"
                "<denom>8</frac> a <sqr 2>a+b</sqr> &ne; 0. <br>";
    body << "<table 1><tr><td>x [m]<td>0,000<td>1,500<td>3,000<td>4,500<td>6,000";
    for (int r = 0; r < 8; ++r)
        body << QStringLiteral("<tr><td>M%1 [kNm]<td>0,000<td>42,188<td>56,250<td>42,188<td>0,000").arg(r);
    body << "</table><br>";
    body << "<spacey 60><mark 2><moverel 0 25><linerel 170 0><goto 2><moverel 0 25>";
    for (int k = 1; k <= 20; ++k)
        body << QStringLiteral("<linerel 8 %1>").arg(k % 2 ? 5 : -5);
    body << "<goto 2><cury 0><gotoy 2><moverel 0 55><br><newpage>";
}

QStringList Body(int sections)
{
    QStringList body;
    for (int i = 1; i <= sections; ++i)
        AddSection(body, i);
    return body;
}

void LayOut(TDokument& doc, const QStringList& body, const QStringList& frame = Frame)
{
    doc.Reset();
    doc.AddPage();
    doc.Frame = frame;
    doc.Body = body;
    doc.LayOut();
}

void BM_LayOut(benchmark::State& state)
{
    const QStringList body = Body(200);
    TDokument doc;
    long long pages = 0;
    for (auto _ : state) {
        LayOut(doc, body);
        pages += doc.PageCount();
    }
    state.counters["pages"] = doc.PageCount();
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LayOut)->Unit(benchmark::kMillisecond);

void BM_WritePdf(benchmark::State& state)
{
    TDokument doc;
    LayOut(doc, Body(200));
    long long pages = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        doc.PrintAll(writer);
        pages += doc.PageCount();
        benchmark::DoNotOptimize(buffer.size());
    }
    state.counters["pages"] = doc.PageCount();
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond);

// One small mark-up input taken the way the typesetting command takes a file: bytes split into
// lines, the first byte choosing one of the frames, the rest the body. A fresh document per run, so
// whatever the layout creates per run (fonts, metrics) is in the figure.
const QStringList SmallFrames[] {
    {},
    {
        QStringLiteral("<left 20><right 20><top 20><bottom 20>"),
        QStringLiteral("<cur 83 262>- &pagenumber; -"),
        QStringLiteral("<curx 0><cury 0>"),
    },
    Frame,
};

const QByteArray SmallInput = QByteArrayLiteral(
    "\x01<h1>1. Zat\xc4\x9b\xc5\xbeovac\xc3\xad stav</h1>\n"
    "Prost\xc3\xbd trab\xc3\xadk o rozp\xc4\x9bt\xc3\xad L = 6,000 m, <b>q</b><sub>n</sub> = 12,5 kN/m, "
    "<i>M</i><sup>2</sup> &le; <frac>q L<sup>2</sup><denom>8</frac><br>\n"
    "<table 1><tr><td>x<td>0,0<td>3,0<tr><td>M<td>0,0<td>56,25</table><br>\n"
    "<ul><li>jedna<li>dv\xc4\x9b</ul><alfa> <sqr 2>a+b</sqr><line 20 100 80 100>\n");

void BM_TypesetSmall(benchmark::State& state)
{
    long long pages = 0;
    for (auto _ : state) {
        const QByteArray& bytes = SmallInput;
        const QStringList& frame = SmallFrames[static_cast<unsigned char>(bytes[0]) % std::size(SmallFrames)];
        QStringList lines = QString::fromUtf8(bytes.mid(1)).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        TDokument doc;
        doc.Reset();
        doc.AddPage();
        doc.Frame = frame;
        doc.Body = lines;
        doc.LayOut();
        pages += doc.PageCount();
    }
    state.counters["runs/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(pages);
}
BENCHMARK(BM_TypesetSmall)->Unit(benchmark::kMicrosecond);

// `trabik-cli report` on the 200-load-case task: compose, lay out, write the PDF file.
void BM_Report(benchmark::State& state)
{
    TTask task = BigTask();
    const QString path = QDir::tempPath() + QStringLiteral("/trabik-bench-report.pdf");
    TDokument doc;
    for (auto _ : state) {
        ComposeReport(task, doc, TPageSetup());
        doc.LayOut();
        WriteDocumentPdf(doc, path);
    }
    state.counters["pages"] = doc.PageCount();
    state.counters["pages/s"] = benchmark::Counter(
        static_cast<double>(doc.PageCount()) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    QFile::remove(path);
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

// The layout of that report alone: its mark-up composed once, laid out again in every run.
void BM_ReportLayOut(benchmark::State& state)
{
    TTask task = BigTask();
    TDokument doc;
    ComposeReport(task, doc, TPageSetup());
    const QStringList frame = doc.Frame;
    const QStringList body = doc.Body;
    long long pages = 0;
    for (auto _ : state) {
        LayOut(doc, body, frame);
        pages += doc.PageCount();
    }
    state.counters["pages"] = doc.PageCount();
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReportLayOut)->Unit(benchmark::kMillisecond);

// The PDF writing of that report alone.
void BM_ReportPdf(benchmark::State& state)
{
    TTask task = BigTask();
    TDokument doc;
    ComposeReport(task, doc, TPageSetup());
    doc.LayOut();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WriteDocumentPdf(doc, buffer);
        benchmark::DoNotOptimize(buffer.size());
    }
    state.counters["pages"] = doc.PageCount();
    state.counters["pages/s"] = benchmark::Counter(
        static_cast<double>(doc.PageCount()) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

// Composing that report alone: the mark-up of the frame and the body, from the task (its result set
// included), without layout.
void BM_Compose(benchmark::State& state)
{
    TTask task = BigTask();
    TDokument doc;
    for (auto _ : state) {
        ComposeReport(task, doc, TPageSetup());
        benchmark::DoNotOptimize(doc.Body.size());
    }
    state.counters["lines"] = static_cast<double>(doc.Body.size());
}
BENCHMARK(BM_Compose)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
