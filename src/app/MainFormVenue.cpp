// The venue network as the form sees it: the meeting handed to the venue's pages, a phone's
// card taken as a command, the places filled from phones on the score-entry screen, and the
// party codes on the score sheets.
#include "app/MainForm.h"

#include "scoring/ScoreEntry.h"
#include "tables/MeetingTables.h"

using namespace Qt::StringLiterals;

void TMainForm::VenueClick() // オプション › 会場ネットワーク…
{
    platform.showVenue();
}

TMainForm::VenueMeeting TMainForm::venueMeeting()
{
    VenueMeeting v;
    v.meeting = meetingAsSaved();
    v.rankOne = control("CheckBox1").checked;
    v.rankTwo = control("CheckBox3").checked;
    v.holes = sheetHoles();
    v.groupNames = GroupDisplayName;
    return v;
}

std::optional<QString> TMainForm::storePhoneCard(int g, int k,
                                                 const std::array<ScoreSlot, grouping::Slots> &records,
                                                 const QString &label)
{
    if (g < 0 || g >= grouping::Groups || k < 0 || k >= grouping::Parties) return u"その組はありません"_s;
    // While parties are being made by hand the places are not yet what the phones saw.
    if (Combining) return u"本部で組み合わせを作っている最中です。しばらくしてから送信して下さい"_s;
    // A command waiting for the organiser's answer (a question box) finishes first.
    if (m_commandDepth > 0) return u"本部のパソコンが操作の途中です。しばらくしてから送信して下さい"_s;
    m_phoneCardLabel = label;
    perform(u"PhoneCard"_s, [&] {
        for (int s = 0; s < grouping::Slots; ++s) ScoreSlots[g][k][s] = records[s];
        // The entry screen of the group shows the party's new figures at once.
        if (TableMode == tablekind::ScoreEntry && CurGroup == groupNumbered(g + 1)) {
            const int capacity = ticked("N29") ? 8 : 6;
            for (int s = 0; s < capacity; ++s)
                drawCellText(k, s, scoring::cellText(ScoreSlots[g][k][s], CurGroup == curgroup::C),
                             PhonePlaces[g][k][s] ? colours::PhoneEntry : colours::Black);
            if (k == EntryRow) drawEntryMark(EntryRow, EntrySlot, RowFull == 0);
            showMissingCount();
        }
    });
    return std::nullopt;
}

QList<tables::Player> TMainForm::playersOf(int g, int k) const
{
    if (g < 0 || g >= grouping::Groups || k < 0 || k >= grouping::Parties) return {};
    return tables::partiesOf(KumiLines[g], partyNumbering(g + 1))[k];
}

void TMainForm::showPhonePlaces(const PlaceArray<bool> &places)
{
    if (places == PhonePlaces) return;
    const PlaceArray<bool> before = std::exchange(PhonePlaces, places);
    if (TableMode != tablekind::ScoreEntry || !isGroup(CurGroup)) return;
    const int g = groupIndex(CurGroup);
    const int capacity = ticked("N29") ? 8 : 6;
    for (int k = 0; k < grouping::Parties; ++k)
        for (int s = 0; s < capacity; ++s)
            if (before[g][k][s] != places[g][k][s])
                drawCellText(k, s, scoring::cellText(ScoreSlots[g][k][s], CurGroup == curgroup::C),
                             places[g][k][s] ? colours::PhoneEntry : colours::Black);
}
