// ファイル › 年間成績…: the standings of a season of meeting files, shown in a window that
// prints them, previews them, saves them as a PDF or a comma-separated file, and lets the
// organiser move a meeting's column. The meeting in the window stays as it is.
#include "app/MainForm.h"

#include "seasonfiles/SeasonFiles.h"
#include "tables/Canvas.h"
#include "tables/Season.h"
#include "tables/SeasonTable.h"

#include <QStandardPaths>

#include <memory>

using namespace Qt::StringLiterals;
namespace season = tables::season;
namespace sheet = tables::sheet;

namespace {
const QString kCaption = u"年間成績"_s;

// Every page of the season on a job, at the device's resolution.
void drawSeasonPages(PrintJob &job, const season::Table &table, const QString &madeOn)
{
    const int pages = season::pageCount(table);
    for (int p = 1; p <= pages; ++p) {
        if (p > 1 && !job.nextPage()) return;
        season::drawPage(job.page(), sheet::printerScale(job.dpiX(), job.dpiY()), table, p, madeOn);
    }
}
} // namespace

void TMainForm::SeasonClick() // ファイル › 年間成績…
{
    FileDialogSpec spec;
    spec.title = u"年間成績 － 大会ファイルを２つ以上選んで下さい"_s;
    spec.filter = u"テキストファイル (*txt)"_s;
    spec.startFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QStringList> paths = platform.openFileNames(spec);
    if (!paths) return;
    if (paths->size() < 2) {
        platform.messageBox(u"年間成績には大会ファイルを２つ以上選んで下さい"_s, kCaption,
                            MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    seasonfiles::Loaded loaded = seasonfiles::load(*paths);
    if (!loaded.refused.isEmpty())
        platform.messageBox(seasonfiles::refusedText(loaded.refused), kCaption, MsgIcon::Warning,
                            MsgButtons::Ok);
    if (loaded.meetings.isEmpty()) return;

    // The meetings in the window's order, shared by its buttons.
    const auto meetings = std::make_shared<QList<season::Meeting>>(std::move(loaded.meetings));
    const QDate today = platform.now().date();
    const QString madeOn = u"%1年%2月%3日"_s.arg(today.year()).arg(today.month()).arg(today.day());

    SeasonWindowActions actions;
    actions.print = [this, meetings, madeOn] {
        std::unique_ptr<PrintJob> job =
            platform.beginPrint(PageOrientation::Landscape, season::documentName());
        if (!job) return;
        drawSeasonPages(*job, season::build(*meetings), madeOn);
        QString error;
        if (!job->end(&error))
            platform.messageBox(u"印刷できませんでした。"_s + error, u"印刷"_s, MsgIcon::Error,
                                MsgButtons::Ok);
    };
    actions.preview = [this, meetings, madeOn] {
        const season::Table table = season::build(*meetings);
        platform.printPreviewPages(PageOrientation::Landscape,
                                   [&table, &madeOn](PrintJob &job) { drawSeasonPages(job, table, madeOn); });
    };
    actions.pdf = [this, meetings, madeOn] {
        const std::optional<QString> path = platform.pdfFileName();
        if (!path) return;
        QString error;
        std::unique_ptr<PrintJob> job =
            platform.beginPdf(*path, PageOrientation::Landscape, season::documentName(), &error);
        if (job) {
            drawSeasonPages(*job, season::build(*meetings), madeOn);
            if (!job->end(&error)) job.reset();
        }
        if (!job)
            platform.messageBox(u"PDFファイルを保存できませんでした。"_s + error, u"PDFに保存"_s,
                                MsgIcon::Error, MsgButtons::Ok);
    };
    actions.csv = [this, meetings] { saveCsvFile(season::csvRows(season::build(*meetings)), kCaption); };
    actions.move = [meetings](int meeting, int step) {
        const int to = meeting + step;
        if (meeting >= 0 && meeting < meetings->size() && to >= 0 && to < meetings->size())
            meetings->swapItemsAt(meeting, to);
        return season::shownRows(season::build(*meetings));
    };
    platform.showSeason(season::shownRows(season::build(*meetings)), static_cast<int>(meetings->size()),
                        actions);
}
