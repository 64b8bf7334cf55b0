#include "gui/QtPlatform.h"

#include "gui/BatchDialogs.h"
#include "gui/HelpWindow.h"
#include "gui/SeasonWindow.h"
#include "settings/WindowSettings.h"
#include "tables/MeetingTables.h"
#include "tables/PainterCanvas.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

// Where kmtx-export reads the group names too, in the default format: the native one (the
// registry on Windows) unless settings::keepSettingsIn chose files.
QtSettingsStore::QtSettingsStore()
    : m_settings(QSettings::defaultFormat(), QSettings::UserScope, settings::organisation(),
                 settings::application())
{}

std::optional<QString> QtSettingsStore::read(const QString &key)
{
    m_settings.sync();
    const QString path = settings::section() + u'/' + key;
    if (!m_settings.contains(path)) return std::nullopt;
    return m_settings.value(path).toString();
}

void QtSettingsStore::write(const QString &key, const QString &value)
{
    m_settings.setValue(settings::section() + u'/' + key, value);
    m_settings.sync();
}

bool QtSettingsStore::removeAll(QString *errorText)
{
    m_settings.remove(settings::section());
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError) {
        if (errorText) *errorText = u"設定を削除できませんでした。"_s;
        return false;
    }
    return true;
}

QStringList QtSettingsStore::readList(const QString &section)
{
    m_settings.sync();
    QStringList values;
    m_settings.beginGroup(section);
    for (int i = 1; m_settings.contains(u"File%1"_s.arg(i)); ++i)
        values << m_settings.value(u"File%1"_s.arg(i)).toString();
    m_settings.endGroup();
    return values;
}

void QtSettingsStore::writeList(const QString &section, const QStringList &values)
{
    m_settings.remove(section);
    m_settings.beginGroup(section);
    for (qsizetype i = 0; i < values.size(); ++i) m_settings.setValue(u"File%1"_s.arg(i + 1), values.at(i));
    m_settings.endGroup();
    m_settings.sync();
}

int QtPlatform::messageBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons)
{
    if (beforeBox) beforeBox();
    if (answerBox) return answerBox(text, caption, icon, buttons);
    QMessageBox box(window);
    box.setText(text);
    // A message of one line stays on one line: Japanese would otherwise break anywhere.
    box.ensurePolished();
    const int textWidth = QFontMetrics(box.font()).horizontalAdvance(text);
    box.setStyleSheet(u"QLabel#qt_msgbox_label { min-width: %1px; }"_s.arg(std::min(textWidth + 8, 760)));
    box.setWindowTitle(caption.isEmpty() ? QCoreApplication::applicationName() : caption);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MsgButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const int chosen = box.exec();
        return chosen == QMessageBox::Yes ? IdYes : chosen == QMessageBox::No ? IdNo : IdCancel;
    }
    if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoDefaultNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        // A question (the icon of the boxes that would discard the listed members), and a box
        // that would delete, wait for はい to be chosen: Enter alone answers いいえ.
        const bool noFirst = icon == MsgIcon::Question || buttons == MsgButtons::YesNoDefaultNo;
        box.setDefaultButton(noFirst ? QMessageBox::No : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? IdYes : IdNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IdOk;
}

QString QtPlatform::documentPath(const QString &name)
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString besideProgram = program.filePath(name);
    if (QFileInfo::exists(besideProgram)) return besideProgram;
    const QString installed = QDir::cleanPath(program.filePath(installedDataFolder() + u'/' + name));
    if (QFileInfo::exists(installed)) return installed;
    return QDir::current().absoluteFilePath(name);
}

QString QtPlatform::installedDataFolder() { return QStringLiteral(KMTX_DATA_FROM_PROGRAM); }

namespace {
// Whether the desktop has a browser for a page of HTML. Windows and macOS always have one.
// Elsewhere xdg-open hands it to the desktop's program for HTML or to a browser it knows;
// without either it fails after it has started, which the program would never learn.
bool desktopShowsHtml()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    if (QStandardPaths::findExecutable(u"xdg-open"_s).isEmpty()) return false;
    if (!qEnvironmentVariableIsEmpty("BROWSER")) return true;
    if (!QStandardPaths::findExecutable(u"xdg-mime"_s).isEmpty()) {
        QProcess query;
        query.start(u"xdg-mime"_s, {u"query"_s, u"default"_s, u"text/html"_s});
        if (query.waitForFinished(3000) && !query.readAllStandardOutput().trimmed().isEmpty()) return true;
    }
    for (const QString &browser :
         {u"x-www-browser"_s, u"sensible-browser"_s, u"firefox"_s, u"firefox-esr"_s, u"chromium"_s,
          u"chromium-browser"_s, u"google-chrome"_s, u"microsoft-edge"_s, u"epiphany"_s, u"konqueror"_s})
        if (!QStandardPaths::findExecutable(browser).isEmpty()) return true;
    return false;
#endif
}
} // namespace

bool QtPlatform::openDocument(const QString &name)
{
    // The document lives beside the program.
    const QString path = documentPath(name);
    if (!QFileInfo::exists(path)) return false;
    const QUrl url = QUrl::fromLocalFile(path);
    if (openUrl ? openUrl(url) : desktopShowsHtml() && QDesktopServices::openUrl(url)) return true;
    // No browser: the program shows the document itself.
    if (!m_helpWindow || m_helpWindow->property("path").toString() != path) {
        delete m_helpWindow;
        m_helpWindow = new HelpWindow(path, window);
        m_helpWindow->setProperty("path", path);
    }
    if (!m_helpWindow->hasDocument()) return false;
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
    return true;
}

HelpWindow *QtPlatform::helpWindow() const { return m_helpWindow; }

QtPlatform::~QtPlatform()
{
    // A help window without the main window as its parent is the platform's own.
    if (m_helpWindow && !m_helpWindow->parent()) delete m_helpWindow;
}

Canvas &QtPlatform::picture(const QString &name, QSize size)
{
    auto &slot = m_pictures[name];
    if (!slot) slot = std::make_unique<RetainedPicture>(size);
    return *slot;
}

RetainedPicture *QtPlatform::findPicture(const QString &name) const
{
    const auto it = m_pictures.find(name);
    return it == m_pictures.end() ? nullptr : it->second.get();
}

void QtPlatform::showAbout()
{
    if (about) about();
}

void QtPlatform::closeMainWindow()
{
    if (close) close();
}

namespace {
std::optional<QString> runFileDialog(QtPlatform &platform, const FileDialogSpec &spec,
                                     QFileDialog::AcceptMode mode)
{
    if (platform.beforeBox) platform.beforeBox();
    QFileDialog dialog(platform.window, spec.title, spec.startFolder, spec.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    // The desktop's own dialog where there is one; a test handles Qt's dialog itself.
    QFileDialog::Options options;
    if (platform.answerFileDialog) options |= QFileDialog::DontUseNativeDialog;
    if (!spec.confirmOverwrite) options |= QFileDialog::DontConfirmOverwrite;
    dialog.setOptions(options);
    const bool accepted =
        platform.answerFileDialog ? platform.answerFileDialog(dialog) : dialog.exec() == QDialog::Accepted;
    const QStringList chosen = dialog.selectedFiles();
    if (!accepted || chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    return chosen.first();
}
} // namespace

std::optional<QString> QtPlatform::openFileName(const FileDialogSpec &spec)
{
    return runFileDialog(*this, spec, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::saveFileName(const FileDialogSpec &spec)
{
    return runFileDialog(*this, spec, QFileDialog::AcceptSave);
}

std::optional<QStringList> QtPlatform::openFileNames(const FileDialogSpec &spec)
{
    if (beforeBox) beforeBox();
    QFileDialog dialog(window, spec.title, spec.startFolder, spec.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (answerFileDialog) dialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool accepted = answerFileDialog ? answerFileDialog(dialog) : dialog.exec() == QDialog::Accepted;
    const QStringList chosen = dialog.selectedFiles();
    if (!accepted || chosen.isEmpty()) return std::nullopt;
    return chosen;
}

void QtPlatform::setCaption(const QString &caption)
{
    if (window) window->setWindowTitle(caption);
}

// ---- Printing, preview and PDF ----------------------------------------------------------

namespace {

QPageLayout::Orientation pageOrientation(PageOrientation o)
{
    return o == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A job on a paint device and the painter open on its pages. The pages are drawn at the
// device's resolution, shrunk by scale (below 1 on paper smaller than the page).
template <typename Device> class PainterJob : public PrintJob
{
public:
    explicit PainterJob(std::unique_ptr<Device> device) : PainterJob(*device) { m_owned = std::move(device); }
    PainterJob(Device &device, qreal scale = 1.0, QSize page = {}) : m_device(&device), m_scale(scale)
    {
        m_open = m_painter.begin(m_device);
        if (page.isEmpty()) page = QSize(m_device->width(), m_device->height());
        if (m_open) m_painter.scale(m_scale, m_scale);
        m_canvas = std::make_unique<PainterCanvas>(m_painter, page);
    }
    ~PainterJob() override
    {
        if (m_painter.isActive()) m_painter.end();
    }
    bool opened() const { return m_open; }
    Canvas &page() override { return *m_canvas; }
    int dpiX() const override { return m_device->logicalDpiX(); }
    int dpiY() const override { return m_device->logicalDpiY(); }
    bool nextPage() override
    {
        if (!m_open || !m_device->newPage()) return false;
        m_painter.resetTransform();
        m_painter.scale(m_scale, m_scale);
        return true;
    }
    bool end(QString *errorText) override
    {
        const bool ok = m_open && m_painter.end();
        if (!ok && errorText) *errorText = u"出力先に書き込めませんでした。"_s;
        return ok;
    }

private:
    std::unique_ptr<Device> m_owned;
    Device *m_device;
    qreal m_scale = 1.0;
    QPainter m_painter;
    std::unique_ptr<PainterCanvas> m_canvas;
    bool m_open = false;
};

// The pages of a preview: a job on the preview's printer, which the preview owns.
class PreviewJob : public PrintJob
{
public:
    explicit PreviewJob(QPrinter &printer)
        : m_printer(printer), m_painter(&printer),
          m_canvas(m_painter, QSize(printer.width(), printer.height()))
    {}
    Canvas &page() override { return m_canvas; }
    int dpiX() const override { return m_printer.logicalDpiX(); }
    int dpiY() const override { return m_printer.logicalDpiY(); }
    bool nextPage() override { return m_printer.newPage(); }
    bool end(QString *) override { return m_painter.end(); }

private:
    QPrinter &m_printer;
    QPainter m_painter;
    PainterCanvas m_canvas;
};

void drawOnPrinter(QPrinter *printer, const PageDrawing &draw)
{
    QPainter painter(printer);
    PainterCanvas canvas(painter, QSize(printer->width(), printer->height()));
    draw(canvas, printer->logicalDpiX(), printer->logicalDpiY());
}

// Whether the printer has A4 paper: a PDF has every size, and a printer that names no
// sizes is asked for A4 as before.
bool offersA4(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) return true;
    const QList<QPageSize> sizes = QPrinterInfo(printer).supportedPageSizes();
    return sizes.isEmpty() || std::any_of(sizes.cbegin(), sizes.cend(), [](const QPageSize &size) {
               return size.isEquivalentTo(QPageSize(QPageSize::A4));
           });
}

// The paper's name as the user knows it ("B5", "Letter").
QString paperName(const QPageSize &size)
{
    const QString name = size.name();
    const qsizetype slash = name.indexOf(u" / "_s);
    return slash < 0 ? name : name.left(slash);
}

} // namespace

std::unique_ptr<PrintJob> QtPlatform::beginPrint(PageOrientation orientation, const QString &name)
{
    // The printer and its settings chosen last; the page is A4 in the table's orientation.
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter &printer = *m_printer;
    const QPageLayout::Orientation turned = pageOrientation(orientation);
    printer.setPageOrientation(turned);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(name);
    bool confirmed = false;
    if (answerPrintDialog) {
        confirmed = answerPrintDialog(printer);
    } else {
        if (beforeBox) beforeBox();
        QPrintDialog dialog(&printer, window);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    if (!confirmed) return nullptr;

    // The tables are laid out on A4: on A4 paper where the printer has it, else shrunk to the
    // paper it has, keeping their proportions.
    const bool a4 = printerHasA4 ? printerHasA4(printer) : offersA4(printer);
    qreal scale = 1.0;
    const QPageLayout page(QPageSize(QPageSize::A4), turned, QMarginsF());
    if (!a4 || !printer.setPageSize(QPageSize(QPageSize::A4))) {
        const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Point).size();
        const QSizeF wanted = page.fullRect(QPageLayout::Point).size();
        scale = std::min({1.0, paper.width() / wanted.width(), paper.height() / wanted.height()});
        if (scale < 1.0)
            messageBox(u"用紙がA4ではないため、縮小して印刷します（%1）"_s.arg(
                           paperName(printer.pageLayout().pageSize())),
                       u"印刷"_s, MsgIcon::Information, MsgButtons::Ok);
    }
    // The page as the tables see it: the paper's printable area, grown as the drawing shrinks.
    const QSize area(qRound(printer.width() / scale), qRound(printer.height() / scale));
    auto job = std::make_unique<PainterJob<QPrinter>>(printer, scale, area);
    if (!job->opened()) return nullptr;
    return job;
}

void QtPlatform::printPreview(PageOrientation orientation, const PageDrawing &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(pageOrientation(orientation));
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (answerPreview) {
        answerPreview(printer);
        drawOnPrinter(&printer, draw);
        return;
    }
    if (beforeBox) beforeBox();
    QPrintPreviewDialog dialog(&printer, window);
    dialog.setWindowTitle(u"印刷プレビュー"_s);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw](QPrinter *p) { drawOnPrinter(p, draw); });
    dialog.exec();
}

std::optional<QString> QtPlatform::pdfFileName()
{
    if (answerPdfDialog) return answerPdfDialog();
    if (beforeBox) beforeBox();
    QFileDialog dialog(window, u"PDFに保存"_s,
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                       u"PDF ファイル (*.pdf)"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(u"pdf"_s);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::unique_ptr<PrintJob> QtPlatform::beginPdf(const QString &path, PageOrientation orientation,
                                               const QString &title, QString *errorText)
{
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(1200);
    writer->setCreator(tables::pdfCreator());
    writer->setTitle(title);
    writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), pageOrientation(orientation), QMarginsF(0, 0, 0, 0)));
    auto job = std::make_unique<PainterJob<QPdfWriter>>(std::move(writer));
    if (!job->opened()) {
        if (errorText) *errorText = u"ファイル「%1」を作成できません。"_s.arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    return job;
}

void QtPlatform::printPreviewPages(PageOrientation orientation, const JobDrawing &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(pageOrientation(orientation));
    printer.setPageSize(QPageSize(QPageSize::A4));
    const auto drawPages = [&draw](QPrinter *p) {
        PreviewJob job(*p);
        draw(job);
    };
    if (answerPreview) {
        answerPreview(printer);
        drawPages(&printer);
        return;
    }
    if (beforeBox) beforeBox();
    QPrintPreviewDialog dialog(&printer, window);
    dialog.setWindowTitle(u"印刷プレビュー"_s);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, drawPages);
    dialog.exec();
}

// A dialog of the program's own, answered by the tests' hook when one is set.
void QtPlatform::runDialog(QDialog &dialog)
{
    if (answerDialog)
        answerDialog(dialog);
    else
        dialog.exec();
}

std::optional<BatchPrintChoice> QtPlatform::chooseBatchPrint(const BatchPrintOffer &offer)
{
    if (beforeBox) beforeBox();
    BatchPrintDialog dialog(offer, window);
    runDialog(dialog);
    return dialog.choice();
}

void QtPlatform::showCombinationCheck(const QStringList &lines, const std::function<void()> &print)
{
    if (beforeBox) beforeBox();
    CombinationCheckWindow checkWindow(lines, print, window);
    runDialog(checkWindow);
}

void QtPlatform::showSeason(const QList<QStringList> &rows, int meetings, const SeasonWindowActions &actions)
{
    if (beforeBox) beforeBox();
    SeasonWindow seasonWindow(rows, meetings, actions, window);
    runDialog(seasonWindow);
}

std::optional<int> QtPlatform::chooseFromList(const QString &title, const QString &heading,
                                              const QStringList &items)
{
    if (beforeBox) beforeBox();
    ListChoiceWindow list(title, heading, items, window);
    runDialog(list);
    return list.chosen();
}
