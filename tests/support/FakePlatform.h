#pragma once
// A platform for tests: answers message boxes from a queue and records every box,
// keeps settings in memory, has a settable clock and recording pictures.

#include "app/Platform.h"
#include "support/PageCanvas.h"
#include "support/RecordingCanvas.h"

#include <deque>
#include <map>
#include <memory>
#include <vector>

struct ShownBox {
    QString text;
    QString caption;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

// One page printed, previewed or written as a PDF, as the form drew it.
struct PrintedPage {
    enum Target { Printer, Preview, Pdf };
    Target target = Printer;
    PageOrientation orientation = PageOrientation::Landscape;
    int dpiX = 0;
    int dpiY = 0;
    QString path;       // the PDF's file
    QString name;       // the job's name, or the PDF's title
    bool ended = false; // the job was ended
    std::unique_ptr<PageCanvas> canvas;
};

class FakeSettings : public SettingsStore
{
public:
    std::optional<QString> read(const QString &key) override;
    void write(const QString &key, const QString &value) override;
    bool removeAll(QString *errorText) override;
    QStringList readList(const QString &section) override;
    void writeList(const QString &section, const QStringList &values) override;

    std::map<QString, QString> values;
    std::map<QString, QStringList> lists; // sections of their own (the recent files)
    bool refuseRemoval = false;           // removeAll fails with refusalText
    QString refusalText;
    int removals = 0;
};

class FakePlatform : public Platform
{
public:
    FakePlatform();

    int messageBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons) override;
    SettingsStore &settings() override { return store; }
    bool openDocument(const QString &name) override
    {
        openedDocuments << name;
        return documentOpens;
    }
    QDateTime now() override { return clock; }
    Canvas &picture(const QString &name, QSize size) override;
    void showAbout() override { ++aboutShown; }
    void closeMainWindow() override { ++closeRequests; }
    std::optional<QString> openFileName(const FileDialogSpec &spec) override;
    std::optional<QString> saveFileName(const FileDialogSpec &spec) override;
    std::optional<QStringList> openFileNames(const FileDialogSpec &spec) override;
    void setCaption(const QString &text) override { caption = text; }
    std::unique_ptr<PrintJob> beginPrint(PageOrientation orientation, const QString &name) override;
    void printPreview(PageOrientation orientation, const PageDrawing &draw) override;
    std::optional<QString> pdfFileName() override;
    std::unique_ptr<PrintJob> beginPdf(const QString &path, PageOrientation orientation, const QString &title,
                                       QString *errorText) override;
    void printPreviewPages(PageOrientation orientation, const JobDrawing &draw) override;
    std::optional<BatchPrintChoice> chooseBatchPrint(const BatchPrintOffer &offer) override;
    void showCombinationCheck(const QStringList &lines, const std::function<void()> &print) override;
    std::optional<int> chooseFromList(const QString &title, const QString &heading,
                                      const QStringList &items) override;
    void showVenue() override { ++venueWindows; }
    int venueWindows = 0;
    void showSeason(const QList<QStringList> &rows, int meetings,
                    const SeasonWindowActions &actions) override;

    // Queue the answer (IdYes, IdNo) of the next Yes/No box. A Yes/No box with no
    // queued answer answers IdNo and counts as unexpected.
    void answer(int id) { answers.push_back(id); }
    // Queue the path the next file dialog returns (std::nullopt: the user cancels). A
    // dialog with nothing queued is cancelled and counts as unexpected.
    void chooseFile(const std::optional<QString> &path) { fileNames.push_back(path); }
    RecordingCanvas &canvas(const QString &name);
    RecordingCanvas &canvas(const char *name) { return canvas(QString::fromLatin1(name)); }
    // The boxes shown since the last call, and forget them.
    std::vector<ShownBox> takeBoxes();

    std::vector<ShownBox> boxes;
    std::deque<int> answers;
    int unexpectedQuestions = 0;
    std::deque<std::optional<QString>> fileNames;
    std::vector<FileDialogSpec> dialogs; // every file dialog shown, in order
    int unexpectedDialogs = 0;
    QString caption;
    FakeSettings store;
    QDateTime clock;
    QStringList openedDocuments;
    bool documentOpens = true; // false: the desktop cannot show the document
    int aboutShown = 0;
    int closeRequests = 0;
    std::map<QString, std::unique_ptr<RecordingCanvas>> pictures;

    // Printing: the print dialog is confirmed (or cancelled) with the printer's resolution;
    // the PDF save dialog answers pdfAnswer; every page drawn is kept in `printed`.
    bool confirmPrint = true;
    int printerDpiX = 600;
    int printerDpiY = 600;
    int previewDpi = 1200;
    int printDialogs = 0;
    int pdfDialogs = 0;
    std::optional<QString> pdfAnswer;
    QString pdfRefusal; // when not empty, the PDF cannot be created: this is the reason
    std::vector<std::unique_ptr<PrintedPage>> printed;
    int previewsOfPages = 0;

    // まとめて印刷: every dialog's offer, answered from the queue (nothing queued cancels).
    std::vector<BatchPrintOffer> batchOffers;
    std::deque<std::optional<BatchPrintChoice>> batchAnswers;
    // 組み合わせの確認: the lines of every window shown; its 印刷 is pressed when set.
    std::vector<QStringList> checkWindows;
    bool printFromCheckWindow = false;
    // Lists to choose from: every list shown (title, heading, then its items), answered
    // from the queue (nothing queued closes it without a choice).
    std::vector<QStringList> listsShown;
    std::deque<std::optional<int>> listAnswers;
    // 年間成績: the files the multi-select dialog returns, from the queue (nothing queued
    // cancels), and every window shown with its buttons, to be pressed after.
    std::deque<std::optional<QStringList>> fileLists;
    struct SeasonWindow {
        QList<QStringList> rows;
        int meetings = 0;
        SeasonWindowActions actions;
    };
    std::vector<SeasonWindow> seasonWindows;
    const PrintedPage &lastPage() const { return *printed.back(); }
};
