// Benchmarks of the tables: each layout drawn on its screen picture (the member table with
// 300 members in both forms, the combination table of 12 full parties, the score sheet of a
// party of eight), one printed page rendered at 600 dpi into a QImage, and one PDF page.
// They register with the benchmark library and run in kmtx_bench (./build.sh bench), which
// provides the application and main().
#include "FullMeeting.h"
#include "app/MainForm.h"
#include "gui/QtPlatform.h"
#include "tables/PainterCanvas.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A started form on the real screen pictures: 300 members; group A of an automatic
// combination holds twelve parties of eight (８人枠).
struct TablesFixture {
    TablesFixture()
    {
        // No box may wait for an answer here.
        platform.answerBox = [](const QString &, const QString &, MsgIcon, MsgButtons) { return int(IdOk); };
        form.FormCreate();
        storeFullGroupA(form, u"off"_s);
        form.Label64Click();
    }

    QtPlatform platform;
    TMainForm form{platform};
};

// One page of a device held by the benchmark.
class DeviceJob : public PrintJob
{
public:
    DeviceJob(QPaintDevice &device, QPainter &painter)
        : m_device(device), m_canvas(painter, QSize(device.width(), device.height()))
    {}
    Canvas &page() override { return m_canvas; }
    int dpiX() const override { return m_device.logicalDpiX(); }
    int dpiY() const override { return m_device.logicalDpiY(); }
    bool nextPage() override { return false; } // one page only
    bool end(QString *) override { return true; }

private:
    QPaintDevice &m_device;
    PainterCanvas m_canvas;
};

void BM_MemberTablePortraitOnScreen(benchmark::State &state)
{
    TablesFixture f;
    f.form.N31Click();
    for (auto _ : state) f.form.Label56Click();
}
BENCHMARK(BM_MemberTablePortraitOnScreen)->Unit(benchmark::kMillisecond);

void BM_MemberTableLandscapeOnScreen(benchmark::State &state)
{
    TablesFixture f;
    f.form.N32Click();
    for (auto _ : state) f.form.Label56Click();
}
BENCHMARK(BM_MemberTableLandscapeOnScreen)->Unit(benchmark::kMillisecond);

void BM_CombinationTableOnScreen(benchmark::State &state)
{
    TablesFixture f;
    f.form.Label53Click();
    f.form.Label44Click(); // group A
    for (auto _ : state) f.form.Label53Click();
}
BENCHMARK(BM_CombinationTableOnScreen)->Unit(benchmark::kMillisecond);

void BM_ScoreSheetOnScreen(benchmark::State &state)
{
    TablesFixture f;
    f.form.Label43Click();
    f.form.Label44Click();
    for (auto _ : state) f.form.Button8Click();
}
BENCHMARK(BM_ScoreSheetOnScreen)->Unit(benchmark::kMillisecond);

// The combination table printed at 600 dpi into an A4 landscape image.
void BM_PrintedPageAt600DpiIntoImage(benchmark::State &state)
{
    TablesFixture f;
    f.form.Label53Click();
    f.form.Label44Click();
    QImage image(7016, 4960, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(600 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        DeviceJob job(image, painter);
        f.form.printOn(job);
    }
}
BENCHMARK(BM_PrintedPageAt600DpiIntoImage)->Unit(benchmark::kMillisecond);

// The combination table as one PDF page at 1200 dpi.
void BM_PdfPage(benchmark::State &state)
{
    TablesFixture f;
    f.form.Label53Click();
    f.form.Label44Click();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter(&writer);
        DeviceJob job(writer, painter);
        f.form.printOn(job);
        painter.end();
        benchmark::DoNotOptimize(buffer.data().size());
    }
}
BENCHMARK(BM_PdfPage)->Unit(benchmark::kMillisecond);

} // namespace
