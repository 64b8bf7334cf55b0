// The application around the window: its names, style, fonts, icon and translations.
#include "gui/MainWindow.h"

#include "gui/ControlWidgets.h"
#include "gui/ProgramIcon.h"
#include "tables/Canvas.h"
#include "tables/FontSubstitutes.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace fonts = tables::fonts;

namespace {

// Qt's own texts (はい, いいえ, キャンセル …) in Japanese whatever the user's language setting.
void installJapaneseTranslations(QApplication &app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    auto *translator = new QTranslator(&app);
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QDir(QCoreApplication::applicationDirPath()).filePath(u"translations"_s)};
    for (const QString &folder : folders) {
        if (translator->load(japanese, u"qtbase"_s, u"_"_s, folder)) {
            app.installTranslator(translator);
            return;
        }
    }
    delete translator;
}

// The Fusion style, with the menu bar reached by Alt alone as on Windows, and the keyboard's
// focus shown plainly: a text field that has it gets the same frame as the other controls.
class KeyboardStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_PanelLineEdit || !(option->state & State_HasFocus)) return;
        painter->save();
        painter->setPen(QPen(FocusFrameColour, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void MainWindow::prepareApplication(QApplication &app)
{
    app.setApplicationName(u"くみっとSP"_s);
    app.setApplicationVersion(QString::fromLatin1(KMTX_VERSION));
    app.setDesktopFileName(u"kmtx"_s);
    if (QStyle *style = QStyleFactory::create(u"Fusion"_s)) app.setStyle(new KeyboardStyle(style));
    fonts::registerSubstitutes();
    // The installed face is asked for by its own name: looking up a missing name would
    // make Qt ask the system for fallback fonts at the window's first text.
    QFont font(fonts::installedFamily(fonts::proportionalGothic()));
    font.setPixelSize(13);
    app.setFont(font);
    // Menus and questions a little larger, for reading at arm's length.
    QFont larger = font;
    larger.setPixelSize(15);
    app.setFont(larger, "QMenuBar");
    app.setFont(larger, "QMenu");
    app.setFont(larger, "QMessageBox");
    app.setFont(larger, "QDialog");
    app.setWindowIcon(programIcon());
    installJapaneseTranslations(app);
}
