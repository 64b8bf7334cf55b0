#include "gui/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QUrl>

using namespace Qt::StringLiterals;

QtSettingsStore::QtSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, u"Tobra"_s, u"Kmtx"_s)
{
}

std::optional<QString> QtSettingsStore::read(const QString &key)
{
    m_settings.sync();
    const QString path = u"Kmtx/"_s + key;
    if (!m_settings.contains(path)) return std::nullopt;
    return m_settings.value(path).toString();
}

void QtSettingsStore::write(const QString &key, const QString &value)
{
    m_settings.setValue(u"Kmtx/"_s + key, value);
    m_settings.sync();
}

bool QtSettingsStore::removeAll(QString *errorText)
{
    m_settings.remove(u"Kmtx"_s);
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError) {
        if (errorText) *errorText = u"設定を削除できませんでした。"_s;
        return false;
    }
    return true;
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
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? IdYes : IdNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IdOk;
}

QString QtPlatform::documentPath(const QString &name)
{
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (QFileInfo::exists(besideProgram)) return besideProgram;
    return QDir::current().absoluteFilePath(name);
}

void QtPlatform::openDocument(const QString &name)
{
    // The document lives beside the program; a missing document or viewer is not reported.
    const QUrl url = QUrl::fromLocalFile(documentPath(name));
    if (openUrl) openUrl(url);
    else QDesktopServices::openUrl(url);
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
