#pragma once
// The platform of the real program: Qt message boxes, QSettings, the desktop's
// document viewer, the clock and pictures kept as items (RetainedPicture).

#include "app/Platform.h"
#include "app/RecoveryFolder.h"
#include "tables/RetainedPicture.h"

#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <functional>
#include <map>
#include <memory>

class HelpWindow;
class QDialog;
class QFileDialog;
class QUrl;
class QWidget;

class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();
    std::optional<QString> read(const QString &key) override;
    void write(const QString &key, const QString &value) override;
    bool removeAll(QString *errorText) override;
    QStringList readList(const QString &section) override;
    void writeList(const QString &section, const QStringList &values) override;

private:
    QSettings m_settings;
};

class QtPlatform : public Platform
{
public:
    ~QtPlatform() override;
    int messageBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons) override;
    SettingsStore &settings() override { return m_settings; }
    bool openDocument(const QString &name) override;
    QDateTime now() override { return clock ? clock() : QDateTime::currentDateTime(); }
    Canvas &picture(const QString &name, QSize size) override;
    void showAbout() override;
    void closeMainWindow() override;
    std::optional<QString> openFileName(const FileDialogSpec &spec) override;
    std::optional<QString> saveFileName(const FileDialogSpec &spec) override;
    std::optional<QStringList> openFileNames(const FileDialogSpec &spec) override;
    void setCaption(const QString &caption) override;
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
    void showVenue() override
    {
        if (venue) venue();
    }
    void showSeason(const QList<QStringList> &rows, int meetings,
                    const SeasonWindowActions &actions) override;

    // The window showing the help where no browser could, or null before one was needed.
    HelpWindow *helpWindow() const;

    // The picture of that name, or null before the form first asks for it.
    RetainedPicture *findPicture(const QString &name) const;

    // The full path of a document shipped with the program: beside it (on Windows, and in the
    // build folder), else in the program's data folder of an installation (PREFIX/share/kmtx
    // for PREFIX/bin/kmtx), else in the current folder.
    static QString documentPath(const QString &name);
    // The program's data folder of an installation, relative to the program's folder.
    static QString installedDataFolder();

    // Set by the main window: its widget (parent of the boxes), a repaint before a box
    // is shown, the about box and closing.
    QWidget *window = nullptr;
    std::function<void()> beforeBox;
    std::function<void()> about;
    std::function<void()> venue; // the window of 会場ネットワーク
    std::function<void()> close;

    // Set by GUI tests only: answers a box instead of showing it, and receives what
    // would be handed to the desktop to open (false: no browser could show it).
    std::function<int(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons)>
        answerBox;
    std::function<bool(const QUrl &url)> openUrl;
    // Set by GUI tests only: handles a prepared file dialog instead of showing it
    // (chooses a file with selectFile) and returns whether it was accepted.
    std::function<bool(QFileDialog &dialog)> answerFileDialog;
    // Set by GUI tests only: answers the print dialog (true prints on the printer as set up
    // here), the preview (instead of showing it) and the PDF save dialog.
    std::function<bool(QPrinter &printer)> answerPrintDialog;
    // Set by GUI tests only: whether the printer chosen has A4 paper, in place of asking it.
    std::function<bool(const QPrinter &printer)> printerHasA4;
    std::function<void(QPrinter &printer)> answerPreview;
    std::function<std::optional<QString>()> answerPdfDialog;
    // Set by GUI tests only: handles the dialog of まとめて印刷, the window of
    // 組み合わせの確認 or a list to choose from instead of showing it.
    std::function<void(QDialog &dialog)> answerDialog;
    // Set by tests only: the time the program reads instead of the system's clock.
    std::function<QDateTime()> clock;

    RecoveryFolder *recoveryFolder() override { return recovery.get(); }
    // Where the recovery copies go; set by the program at start (none in most tests).
    std::unique_ptr<RecoveryFolder> recovery;

private:
    void runDialog(QDialog &dialog);

    QtSettingsStore m_settings;
    std::unique_ptr<QPrinter> m_printer; // the printer chosen last, with its settings
    std::map<QString, std::unique_ptr<RetainedPicture>> m_pictures;
    QPointer<HelpWindow> m_helpWindow; // a child of the main window
};
