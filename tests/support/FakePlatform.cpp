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
