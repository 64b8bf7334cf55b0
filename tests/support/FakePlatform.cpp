#include "support/FakePlatform.h"

std::optional<QString> FakeSettings::read(const QString &key)
{
    const auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

void FakeSettings::write(const QString &key, const QString &value) { values[key] = value; }

bool FakeSettings::removeAll(QString *errorText)
{
    ++removals;
    if (refuseRemoval) {
        if (errorText) *errorText = refusalText;
        return false;
    }
    values.clear();
    return true;
}

QStringList FakeSettings::readList(const QString &section)
{
    const auto it = lists.find(section);
    return it == lists.end() ? QStringList() : it->second;
}

void FakeSettings::writeList(const QString &section, const QStringList &list) { lists[section] = list; }

FakePlatform::FakePlatform() : clock(QDate(2026, 12, 7), QTime(10, 0, 0)) {}

int FakePlatform::messageBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons)
{
    boxes.push_back(ShownBox{text, caption, icon, buttons});
    if (buttons == MsgButtons::Ok) return IdOk;
    if (answers.empty()) {
        ++unexpectedQuestions;
        return IdNo;
    }
    const int id = answers.front();
    answers.pop_front();
    return id;
}

Canvas &FakePlatform::picture(const QString &name, QSize size)
{
    auto &slot = pictures[name];
    if (!slot) slot = std::make_unique<RecordingCanvas>(size);
    return *slot;
}

RecordingCanvas &FakePlatform::canvas(const QString &name)
{
    auto &slot = pictures[name];
    if (!slot) slot = std::make_unique<RecordingCanvas>(QSize(1, 1));
    return *slot;
}

std::vector<ShownBox> FakePlatform::takeBoxes()
{
    std::vector<ShownBox> taken;
    taken.swap(boxes);
    return taken;
}

namespace {
std::optional<QString> nextFileName(FakePlatform &p, const FileDialogSpec &spec)
{
    p.dialogs.push_back(spec);
    if (p.fileNames.empty()) {
        ++p.unexpectedDialogs;
        return std::nullopt;
    }
    const std::optional<QString> path = p.fileNames.front();
    p.fileNames.pop_front();
    return path;
}
} // namespace

std::optional<QString> FakePlatform::openFileName(const FileDialogSpec &spec)
{
    return nextFileName(*this, spec);
}

std::optional<QString> FakePlatform::saveFileName(const FileDialogSpec &spec)
{
    return nextFileName(*this, spec);
}
namespace {

// A4 in the device's pixels.
QSize a4(PageOrientation orientation, int dpiX, int dpiY)
{
    const int w = static_cast<int>(dpiX * 210 / 25.4);
    const int h = static_cast<int>(dpiY * 297 / 25.4);
    return orientation == PageOrientation::Landscape ? QSize(h * dpiX / dpiY, w * dpiY / dpiX) : QSize(w, h);
}

PrintedPage &newPage(std::vector<std::unique_ptr<PrintedPage>> &printed, PrintedPage::Target target,
                     PageOrientation orientation, int dpiX, int dpiY)
{
    auto page = std::make_unique<PrintedPage>();
    page->target = target;
    page->orientation = orientation;
    page->dpiX = dpiX;
    page->dpiY = dpiY;
    page->canvas = std::make_unique<PageCanvas>(a4(orientation, dpiX, dpiY));
    printed.push_back(std::move(page));
    return *printed.back();
}

// A job whose pages are appended to the platform's printed pages, each a page of its own.
class FakePrintJob : public PrintJob
{
public:
    FakePrintJob(std::vector<std::unique_ptr<PrintedPage>> &printed, PrintedPage &first)
        : m_printed(printed), m_pages{&first}
    {}
    Canvas &page() override { return *m_pages.back()->canvas; }
    int dpiX() const override { return m_pages.back()->dpiX; }
    int dpiY() const override { return m_pages.back()->dpiY; }
    bool nextPage() override
    {
        const PrintedPage &last = *m_pages.back();
        PrintedPage &next = newPage(m_printed, last.target, last.orientation, last.dpiX, last.dpiY);
        next.path = last.path;
        next.name = last.name;
        m_pages.push_back(&next);
        return true;
    }
    bool end(QString *) override
    {
        for (PrintedPage *page : m_pages) page->ended = true;
        return true;
    }

private:
    std::vector<std::unique_ptr<PrintedPage>> &m_printed;
    std::vector<PrintedPage *> m_pages;
};
} // namespace

std::unique_ptr<PrintJob> FakePlatform::beginPrint(PageOrientation orientation, const QString &name)
{
    ++printDialogs;
    if (!confirmPrint) return nullptr;
    PrintedPage &page = newPage(printed, PrintedPage::Printer, orientation, printerDpiX, printerDpiY);
    page.name = name;
    return std::make_unique<FakePrintJob>(printed, page);
}

void FakePlatform::printPreview(PageOrientation orientation, const PageDrawing &draw)
{
    PrintedPage &page = newPage(printed, PrintedPage::Preview, orientation, previewDpi, previewDpi);
    draw(*page.canvas, page.dpiX, page.dpiY);
    page.ended = true;
}

std::optional<QString> FakePlatform::pdfFileName()
{
    ++pdfDialogs;
    return pdfAnswer;
}

std::unique_ptr<PrintJob> FakePlatform::beginPdf(const QString &path, PageOrientation orientation,
                                                 const QString &title, QString *errorText)
{
    if (!pdfRefusal.isEmpty()) {
        if (errorText) *errorText = pdfRefusal;
        return nullptr;
    }
    PrintedPage &page = newPage(printed, PrintedPage::Pdf, orientation, 1200, 1200);
    page.path = path;
    page.name = title;
    return std::make_unique<FakePrintJob>(printed, page);
}

void FakePlatform::printPreviewPages(PageOrientation orientation, const JobDrawing &draw)
{
    ++previewsOfPages;
    FakePrintJob job(printed, newPage(printed, PrintedPage::Preview, orientation, previewDpi, previewDpi));
    draw(job);
    job.end(nullptr);
}

std::optional<BatchPrintChoice> FakePlatform::chooseBatchPrint(const BatchPrintOffer &offer)
{
    batchOffers.push_back(offer);
    if (batchAnswers.empty()) return std::nullopt;
    const std::optional<BatchPrintChoice> choice = batchAnswers.front();
    batchAnswers.pop_front();
    return choice;
}

void FakePlatform::showCombinationCheck(const QStringList &lines, const std::function<void()> &print)
{
    checkWindows.push_back(lines);
    if (printFromCheckWindow) print();
}

std::optional<int> FakePlatform::chooseFromList(const QString &title, const QString &heading,
                                                const QStringList &items)
{
    listsShown.push_back(QStringList{title, heading} + items);
    if (listAnswers.empty()) return std::nullopt;
    const std::optional<int> answer = listAnswers.front();
    listAnswers.pop_front();
    return answer;
}

std::optional<QStringList> FakePlatform::openFileNames(const FileDialogSpec &spec)
{
    dialogs.push_back(spec);
    if (fileLists.empty()) return std::nullopt;
    const std::optional<QStringList> paths = fileLists.front();
    fileLists.pop_front();
    return paths;
}

void FakePlatform::showSeason(const QList<QStringList> &rows, int meetings,
                              const SeasonWindowActions &actions)
{
    seasonWindows.push_back(SeasonWindow{rows, meetings, actions});
}
