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
