// The registration form and the list edits of the メンバー登録 screen.
#include "app/MainForm.h"

#include "roster/FormEntries.h"
#include "roster/NameCheck.h"
#include "tables/Canvas.h"

using namespace Qt::StringLiterals;

namespace {
const QString kIncomplete = u"入力が未完"_s;
const QString kTooMany = u"メンバー数が３００名を超過します"_s;

void showIncomplete(TMainForm &form, const QString &text)
{
    form.platform.messageBox(text, kIncomplete, MsgIcon::Information, MsgButtons::Ok);
}

// Refuses a 氏名 or チーム名 holding a character the roster line or the data file cannot carry.
bool refusedForCharacters(TMainForm &form, const QString &fieldName, const QString &text)
{
    const std::optional<QString> bad = roster::forbiddenCharacter(text);
    if (!bad) return false;
    showIncomplete(form, roster::forbiddenCharacterMessage(fieldName, *bad));
    return true;
}

// Shows a stored value in a selection list: the entry at that position, or none when the
// list has no such entry.
void showEntry(TMainForm &form, const char *list, int entry)
{
    Control &c = form.control(list);
    c.itemIndex = entry >= 0 && entry < c.items.size() ? entry : -1;
}

// A selection list's choice as the number it stands for (entry position + 1), or 0 for none.
int chosenNumber(TMainForm &form, const char *list)
{
    const Control &c = form.control(list);
    return c.itemIndex >= 0 && c.itemIndex < c.items.size() ? c.itemIndex + 1 : 0;
}

void startListEdit(TMainForm &form, const char *label, bool &on, editmode mode, const QString &hint)
{
    const bool wasOn = on;
    form.BtnClr(1);
    Control &hintLine = form.control("Label22");
    if (wasOn) {
        hintLine.text.clear();
        hintLine.visible = false;
        return;
    }
    hintLine.text = hint;
    hintLine.visible = true;
    form.control(label).colour = colours::Yellow;
    form.setRegistrationSelector(nullptr);
    form.EditMode = mode;
    on = true;
}
} // namespace

// ---- The selector 新規登録 / 追加登録 / 修正 ---------------------------------------

void TMainForm::setRegistrationSelector(const char *on)
{
    setColour({"Label3", "Label84", "Label4"}, colours::Cream);
    if (on) control(on).colour = colours::Yellow;
}

void TMainForm::Label3Click() // 「新規登録」
{
    if (registrationSelectorOn("Label3")) {
        setRegistrationSelector(nullptr);
        EditMode = editmode::None;
        return;
    }
    // A listed roster is thrown away only when the user says so.
    const qsizetype listed = std::max(MemberLines.size(), SavedMemberLines.size());
    if (listed > 0 &&
        platform.messageBox(u"一覧表の%1名のメンバーを破棄して、新しくメンバー登録を始めますか"_s.arg(listed),
                            u"新規登録"_s, MsgIcon::Question, MsgButtons::YesNo) != IdYes)
        return;
    setRegistrationSelector("Label3");
    // A new roster is a new meeting: 上書き保存 asks for its file.
    DataFileName.clear();
    platform.setCaption(u"くみっとEX"_s);
    MemberLines.clear();
    SavedMemberLines.clear();
    WorkList.clear();
    Ninzu();
    ClrAll();
    scrollListTo(0);
    EditMode = editmode::Register;
    // The roster given up is no work to recover or undo.
    if (listed > 0) {
        endCleanly();
        startFreshHistory();
    }
}

void TMainForm::Label84Click() // 「追加登録」
{
    if (registrationSelectorOn("Label84")) {
        setRegistrationSelector(nullptr);
        EditMode = editmode::None;
        return;
    }
    setRegistrationSelector("Label84");
    MemberLines = SavedMemberLines;
    if (MemberCount() >= roster::MaxMembers) {
        platform.messageBox(kTooMany, u"追加登録不可"_s, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    Bunkatu();
    scrollListTo(MemberCount() - 3);
    EditMode = editmode::Register;
}

void TMainForm::Label4Click() // 「修正」
{
    if (registrationSelectorOn("Label4")) {
        setRegistrationSelector(nullptr);
        EditMode = editmode::None;
        return;
    }
    setRegistrationSelector("Label4");
    BtnClr(1);
    EditMode = editmode::Correct;
    SelRow = -1;
}

// ---- 実行 ----------------------------------------------------------------------------

void TMainForm::Button6Click() // 「実行」
{
    if (EditMode != editmode::MovePick && EditMode != editmode::Delete && EditMode != editmode::Correct &&
        EditMode != editmode::Register) {
        showIncomplete(*this, u"「新規登録」か「追加登録」を選んでから「実行」を押して下さい。\n"
                              u"登録済みのメンバーを直す時は「修正」を選んで下さい"_s);
        return;
    }
    if (MemberCount() > roster::MaxMembers) {
        platform.messageBox(kTooMany, u"警告"_s, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    const QString name = control("Edit1").text;
    const QString team = control("Edit2").text;
    const int sexEntry = control("ComboBox1").itemIndex;
    if (sexEntry != 0 && sexEntry != 1) {
        showIncomplete(*this, u"性別を設定して下さい"_s);
        return;
    }
    const QString sex = sexEntry == 0 ? u"男"_s : u"女"_s;
    const QString era = roster::eraOfEntry(control("ComboBox2").itemIndex);
    if (name.isEmpty()) {
        showIncomplete(*this, u"氏名を入力して下さい"_s);
        return;
    }
    if (team.isEmpty()) {
        showIncomplete(*this, u"チーム名を入力して下さい"_s);
        return;
    }
    if (refusedForCharacters(*this, u"氏名"_s, name) || refusedForCharacters(*this, u"チーム名"_s, team))
        return;
    if (EditMode == editmode::MovePick || EditMode == editmode::Delete) return;

    const int year = chosenNumber(*this, "ComboBox3");
    const int month = chosenNumber(*this, "ComboBox4");
    const int day = chosenNumber(*this, "ComboBox5");
    if (era.isEmpty() || year == 0 || month == 0 || day == 0) {
        showIncomplete(*this, u"生年月日を設定して下さい"_s);
        return;
    }
    if (const std::optional<QString> problem = roster::birthDateProblem(era, year, month, day)) {
        showIncomplete(*this, *problem);
        return;
    }

    if (EditMode == editmode::Register) {
        if (MemberCount() >= roster::MaxMembers) {
            platform.messageBox(kTooMany, u"メンバー超過"_s, MsgIcon::Error, MsgButtons::Ok);
            return;
        }
        MemberLines << roster::registeredLine(name, team, sex, era, year, month, day);
        control("Edit1").text.clear();
        FocusRequest = u"Edit1"_s; // the next member is typed at once
        SavedMemberLines = MemberLines;
        Bunkatu();
        scrollListTo(std::max(0, MemberCount() - 10));
        return;
    }

    // Correction of the picked member: its age and marks stay.
    if (SelRow < 0 || SelRow >= MemberCount()) {
        showIncomplete(*this, u"修正するメンバーを一覧表から選んで下さい"_s);
        return;
    }
    Member &m = Members[SelRow];
    m.Name = name;
    m.Team = team;
    m.Sex = sex;
    m.Era = era;
    m.EraYear = QString::number(year);
    m.Month = QString::number(month);
    m.Day = QString::number(day);
    m.Spare.clear();
    Hensyu(SelRow);
    Bunkatu();
}

// ---- 表示移動, 一行削除 and the hint line ----------------------------------------------

void TMainForm::Label5Click() // 「表示移動」
{
    startListEdit(*this, "Label5", MoveOn, editmode::MovePick,
                  u"　移動する行を指定して、続いて移動先を指定してください。"_s);
}

void TMainForm::Label6Click() // 「一行削除」
{
    startListEdit(*this, "Label6", DeleteOn, editmode::Delete, u"　削除する行を指定して下さい。"_s);
}

void TMainForm::Label22Click() // the hint line: a click puts the list edit labels back
{
    setColour({"Label5", "Label6"}, colours::ButtonFace);
    control("Label22").text.clear();
    control("Label22").visible = false;
}

// ---- Clicks on the list while editing --------------------------------------------------

void TMainForm::highlightRow(int row)
{
    const Member &m = Members[row];
    Canvas &list = picture("Image1");
    const int top = row * RowHeight + 1;
    for (int c : {2, 3})
        list.fillRect(QRect(ColX[c - 1] + 1, top, ColX[c] - ColX[c - 1] - 1, RowHeight - 1), colours::White);
    list.setFontFace(tables::fonts::gothic());
    list.text(ColX[1] + 4, rowTextY(row), m.Team, ListFontHeight, colours::Red);
    list.text(ColX[2] + 4, rowTextY(row), m.Name, ListFontHeight, colours::Red);
}

void TMainForm::moveClick(int row)
{
    if (EditMode == editmode::MovePick || SelRow < 0 || SelRow >= MemberCount() ||
        MemberLines.at(SelRow) != MoveLine) {
        SelRow = row;
        MoveLine = MemberLines.at(row);
        highlightRow(row);
        EditMode = editmode::MovePlace;
        return;
    }
    roster::moveBefore(MemberLines, SelRow, row);
    EditMode = editmode::MovePick;
    SavedMemberLines = MemberLines;
    Bunkatu();
}

void TMainForm::deleteClick(int row)
{
    SelRow = row;
    highlightRow(row);
    const int answer = platform.messageBox(u"このメンバーを削除しますか"_s, u"削除"_s, MsgIcon::Warning,
                                           MsgButtons::YesNoDefaultNo);
    if (answer == IdYes) MemberLines.removeAt(row);
    SavedMemberLines = MemberLines;
    Bunkatu();
}

void TMainForm::pickForCorrection(int row)
{
    SelRow = row;
    highlightRow(row);
    const Member &m = Members[row];
    control("Edit1").text = m.Name;
    control("Edit2").text = m.Team;
    showEntry(*this, "ComboBox1", roster::entryOfSex(m.Sex));
    if (const int era = roster::entryOfEra(m.Era); era >= 0) showEntry(*this, "ComboBox2", era);
    showEntry(*this, "ComboBox3", m.EraYear.toInt() - 1);
    showEntry(*this, "ComboBox4", m.Month.toInt() - 1);
    showEntry(*this, "ComboBox5", m.Day.toInt() - 1);
}
