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

std::optional<QString> FakePlatform::openFileName(const FileDialogSpec &spec) { return nextFileName(*this, spec); }

std::optional<QString> FakePlatform::saveFileName(const FileDialogSpec &spec) { return nextFileName(*this, spec); }
namespace {

// A4 in the device's pixels.
QSize a4(PageOrientation orientation, int dpiX, int dpiY)
{
    const int w = static_cast<int>(dpiX * 210 / 25.4);
    const int h = static_cast<int>(dpiY * 297 / 25.4);
    return orientation == PageOrientation::Landscape ? QSize(h * dpiX / dpiY, w * dpiY / dpiX) : QSize(w, h);
}

class FakePrintJob : public PrintJob
{
public:
    explicit FakePrintJob(PrintedPage &page) : m_page(page) {}
    Canvas &page() override { return *m_page.canvas; }
    int dpiX() const override { return m_page.dpiX; }
    int dpiY() const override { return m_page.dpiY; }
    bool end(QString *) override
    {
        m_page.ended = true;
        return true;
    }

private:
    PrintedPage &m_page;
};

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
} // namespace

std::unique_ptr<PrintJob> FakePlatform::beginPrint(PageOrientation orientation)
{
    ++printDialogs;
    if (!confirmPrint) return nullptr;
    return std::make_unique<FakePrintJob>(
        newPage(printed, PrintedPage::Printer, orientation, printerDpiX, printerDpiY));
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
                                                 QString *errorText)
{
    if (!pdfRefusal.isEmpty()) {
        if (errorText) *errorText = pdfRefusal;
        return nullptr;
    }
    PrintedPage &page = newPage(printed, PrintedPage::Pdf, orientation, 1200, 1200);
    page.path = path;
    return std::make_unique<FakePrintJob>(page);
}
