#pragma once
// The form's only way to the outside world: message boxes, the settings store,
// the shell, the clock, the pictures it draws on, the about box and the window.

#include "app/AppLayer.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class Canvas;
class RecoveryFolder;

enum class MsgIcon { None, Information, Question, Warning, Error };
// YesNo answers はい to Enter but for a question (icon Question); YesNoDefaultNo always
// answers いいえ to Enter.
enum class MsgButtons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };

// What a message box returns (the values Windows uses).
enum MsgResult { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// The user's persisted settings: the group names "GrpA" … "GrpD".
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> read(const QString &key) = 0;
    virtual void write(const QString &key, const QString &value) = 0;
    // Deletes the program's whole settings section; false with a reason when refused.
    virtual bool removeAll(QString *errorText) = 0;
    // Values of a section of their own (the recent files), untouched by removeAll.
    virtual QStringList readList(const QString &section) = 0;
    virtual void writeList(const QString &section, const QStringList &values) = 0;
};

// What an open or save dialog shows.
struct FileDialogSpec {
    QString title;
    QString filter;        // Qt's form: "テキストファイル (*.txt)"
    QString startFolder;   // the folder it opens in
    QString defaultSuffix; // added to a name typed without one (save dialog), "" for none
    bool confirmOverwrite = false;
};

enum class PageOrientation { Portrait, Landscape };

// One page being printed or written to a file: its canvas in the device's pixels, with
// (0, 0) at the top left of the printable area, and the device's resolution.
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    virtual Canvas &page() = 0;
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // Starts the next page; page() then draws on it. False when the device refused.
    virtual bool nextPage() = 0;
    // Ends the job; false with a reason when the page could not be printed or written.
    virtual bool end(QString *errorText) = 0;
};

// Draws the pages of a job one after another, calling job.nextPage() between two pages.
using JobDrawing = std::function<void(PrintJob &job)>;

// まとめて印刷: the tables a whole meeting can print at once, and where to.
enum class BatchTable {
    ScoreSheets,
    CombinationTables,
    ScoreEntrySheets,
    MemberTable,
    ResultTable,
    ScoreCheckSheets
};
enum class BatchOutput { Print, Preview, Pdf };

// What the dialog offers: the groups' display names and which groups hold parties.
struct BatchPrintOffer {
    std::array<QString, 4> groupNames;
    std::array<bool, 4> groupHasParties{};
    bool hasMembers = false;
    bool hasScores = false; // some place holds an entry
};

struct BatchPrintChoice {
    BatchTable table = BatchTable::ScoreSheets;
    int group = 0; // the score sheets of group 1..4, or 0 for every group
    BatchOutput output = BatchOutput::Print;
};

// The window of 年間成績: its buttons call back; move shifts meeting column `meeting`
// (0-based) one place left (step −1) or right (+1) and returns the table as it then stands.
struct SeasonWindowActions {
    std::function<void()> print;
    std::function<void()> preview;
    std::function<void()> pdf;
    std::function<void()> csv;
    std::function<QList<QStringList>(int meeting, int step)> move;
};

// Draws one page on a device's canvas at the device's resolution.
using PageDrawing = std::function<void(Canvas &page, int dpiX, int dpiY)>;

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box; returns IdOk, IdYes or IdNo. An empty caption is a plain message
    // box titled with the application's title.
    virtual int messageBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons) = 0;

    virtual SettingsStore &settings() = 0;

    // Asks the desktop to open a document shipped beside the program; false when the
    // document is missing or no program could be started to show it.
    virtual bool openDocument(const QString &name) = 0;

    virtual QDateTime now() = 0;

    // The drawing surface of a picture control, created on the first request with the
    // given size and blank (white); the same object is returned on later requests.
    virtual Canvas &picture(const QString &name, QSize size) = 0;

    // The modal file dialogs: the chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFileName(const FileDialogSpec &spec) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogSpec &spec) = 0;
    // The open dialog choosing any number of existing files; nothing when cancelled.
    virtual std::optional<QStringList> openFileNames(const FileDialogSpec &spec) = 0;

    // The main window's caption.
    virtual void setCaption(const QString &caption) = 0;

    // The modal about box (バージョン情報).
    virtual void showAbout() = 0;

    // Closes the main window; the program ends.
    virtual void closeMainWindow() = 0;

    // The print dialog; a job of one page on the chosen printer, or nullptr when cancelled.
    // The job carries name (tables::documentName) to the printer's queue. The page is A4:
    // on a printer without A4 paper it is scaled down to the paper, which the user is told.
    // The printer chosen and its settings are kept for the next job.
    virtual std::unique_ptr<PrintJob> beginPrint(PageOrientation orientation, const QString &name) = 0;
    // The print preview: the page is drawn (perhaps more than once) on the preview's painter.
    virtual void printPreview(PageOrientation orientation, const PageDrawing &draw) = 0;
    // The save dialog of "PDFに保存": the chosen file, or nothing when cancelled.
    virtual std::optional<QString> pdfFileName() = 0;
    // A one-page PDF file at 1200 dots per inch, drawn from the page's top-left corner, with
    // title as its title (tables::documentName); nullptr with a reason when the file cannot
    // be written.
    virtual std::unique_ptr<PrintJob> beginPdf(const QString &path, PageOrientation orientation,
                                               const QString &title, QString *errorText) = 0;
    // The print preview of a job of many pages; `draw` may run more than once.
    virtual void printPreviewPages(PageOrientation orientation, const JobDrawing &draw) = 0;

    // The dialog of まとめて印刷: the table and the output chosen, or nothing when cancelled.
    virtual std::optional<BatchPrintChoice> chooseBatchPrint(const BatchPrintOffer &offer) = 0;

    // The window of 組み合わせの確認, showing the report's lines; its 印刷 button calls `print`.
    virtual void showCombinationCheck(const QStringList &lines, const std::function<void()> &print) = 0;

    // The window of 年間成績: the table's rows (headings first), whose columns 3 .. 3 + meetings − 1
    // are the meetings; returns when the window is closed.
    virtual void showSeason(const QList<QStringList> &rows, int meetings,
                            const SeasonWindowActions &actions) = 0;

    // The window of 会場ネットワーク, which starts and stops the venue's server; returns at once.
    virtual void showVenue() = 0;

    // A window listing items under a heading; a click on an item closes it and returns the
    // item's index, nothing when closed without a choice.
    virtual std::optional<int> chooseFromList(const QString &title, const QString &heading,
                                              const QStringList &items) = 0;

    // Where the recovery copies of the meeting are kept; nothing when none are kept.
    virtual RecoveryFolder *recoveryFolder() { return nullptr; }
};
