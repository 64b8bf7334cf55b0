#include "gui/Commands.h"

#include "app/MainForm.h"

#include <map>

using namespace Qt::StringLiterals;

FormCommand commandOf(const QString &controlName)
{
    // Each row names the control and takes its handler: a handler misspelt or missing does
    // not build.
    static const std::map<QString, FormCommand> commands = {
        // Screen tabs and group tabs
        {u"Label40"_s, &TMainForm::Label40Click},
        {u"Label42"_s, &TMainForm::Label42Click},
        {u"Label64"_s, &TMainForm::Label64Click},
        {u"Label54"_s, &TMainForm::Label54Click},
        {u"Label44"_s, &TMainForm::Label44Click},
        {u"Label45"_s, &TMainForm::Label45Click},
        {u"Label46"_s, &TMainForm::Label46Click},
        {u"Label47"_s, &TMainForm::Label47Click},
        // Registration and list edits
        {u"Label3"_s, &TMainForm::Label3Click},
        {u"Label84"_s, &TMainForm::Label84Click},
        {u"Label4"_s, &TMainForm::Label4Click},
        {u"Button6"_s, &TMainForm::Button6Click},
        {u"Label5"_s, &TMainForm::Label5Click},
        {u"Label6"_s, &TMainForm::Label6Click},
        {u"Label22"_s, &TMainForm::Label22Click},
        // Marks
        {u"Label75"_s, &TMainForm::Label75Click},
        {u"Label76"_s, &TMainForm::Label76Click},
        {u"Label77"_s, &TMainForm::Label77Click},
        // Automatic and manual combination
        {u"Button1"_s, &TMainForm::Button1Click},
        {u"Button10"_s, &TMainForm::Button10Click},
        {u"Button2"_s, &TMainForm::Button2Click},
        {u"Button4"_s, &TMainForm::Button4Click},
        {u"Button9"_s, &TMainForm::Button9Click},
        {u"Label78"_s, &TMainForm::Label78Click},
        {u"Label79"_s, &TMainForm::Label79Click},
        // Tables, particulars, pages, swapping and score entry
        {u"Label53"_s, &TMainForm::Label53Click},
        {u"Label43"_s, &TMainForm::Label43Click},
        {u"Label60"_s, &TMainForm::Label60Click},
        {u"Label56"_s, &TMainForm::Label56Click},
        {u"ScoreCheck"_s, &TMainForm::ScoreCheckClick},
        {u"GroupBox1"_s, &TMainForm::GroupBox1Click},
        {u"Button8"_s, &TMainForm::Button8Click},
        {u"Button7"_s, &TMainForm::Button7Click},
        {u"CheckBox1"_s, &TMainForm::CheckBox1Click},
        {u"CheckBox3"_s, &TMainForm::CheckBox3Click},
        {u"Button3"_s, &TMainForm::Button3Click},
        {u"Button5"_s, &TMainForm::Button5Click},
        {u"Label55"_s, &TMainForm::Label55Click},
        // Menu ファイル, 一括出場設定, クリア
        {u"N3"_s, &TMainForm::N3Click},
        {u"N7"_s, &TMainForm::N7Click},
        {u"SaveInPlace"_s, &TMainForm::SaveInPlaceClick},
        {u"Recent1"_s, &TMainForm::Recent1Click},
        {u"Recent2"_s, &TMainForm::Recent2Click},
        {u"Recent3"_s, &TMainForm::Recent3Click},
        {u"Recent4"_s, &TMainForm::Recent4Click},
        {u"N11"_s, &TMainForm::N11Click},
        {u"N39"_s, &TMainForm::N39Click},
        {u"Undo"_s, &TMainForm::UndoClick},
        {u"Redo"_s, &TMainForm::RedoClick},
        {u"N9"_s, &TMainForm::N9Click},
        {u"N10"_s, &TMainForm::N10Click},
        {u"N16"_s, &TMainForm::N16Click},
        {u"N18"_s, &TMainForm::N18Click},
        {u"A1"_s, &TMainForm::A1Click},
        {u"B1"_s, &TMainForm::B1Click},
        {u"C1"_s, &TMainForm::C1Click},
        {u"D1"_s, &TMainForm::D1Click},
        // Menu 作表設定, 組み合せ設定
        {u"N20"_s, &TMainForm::N20Click},
        {u"N29"_s, &TMainForm::N29Click},
        {u"N31"_s, &TMainForm::N31Click},
        {u"N32"_s, &TMainForm::N32Click},
        {u"N35"_s, &TMainForm::N35Click},
        {u"N36"_s, &TMainForm::N36Click},
        {u"N47"_s, &TMainForm::N47Click},
        {u"N48"_s, &TMainForm::N48Click},
        {u"A3"_s, &TMainForm::A3Click},
        {u"B3"_s, &TMainForm::B3Click},
        {u"C3"_s, &TMainForm::C3Click},
        {u"D3"_s, &TMainForm::D3Click},
        {u"N33"_s, &TMainForm::N33Click},
        {u"N43"_s, &TMainForm::N43Click},
        {u"N44"_s, &TMainForm::N44Click},
        {u"N41"_s, &TMainForm::N41Click},
        {u"N45"_s, &TMainForm::N45Click},
        {u"SpreadTeamsOn"_s, &TMainForm::SpreadTeamsOnClick},
        {u"SpreadTeamsOff"_s, &TMainForm::SpreadTeamsOffClick},
        {u"CheckCombination"_s, &TMainForm::CheckCombinationClick},
        {u"PrintAll"_s, &TMainForm::PrintAllClick},
        {u"MissingList"_s, &TMainForm::MissingListClick},
        {u"CsvExport"_s, &TMainForm::CsvExportClick},
        {u"Season"_s, &TMainForm::SeasonClick},
        {u"Venue"_s, &TMainForm::VenueClick},
        // Menu オプション, 印 刷, ヘルプ
        {u"N37"_s, &TMainForm::N37Click},
        {u"N38"_s, &TMainForm::N38Click},
        {u"N24"_s, &TMainForm::N24Click},
        {u"A2"_s, &TMainForm::A2Click},
        {u"B2"_s, &TMainForm::B2Click},
        {u"C2"_s, &TMainForm::C2Click},
        {u"D2"_s, &TMainForm::D2Click},
        {u"N2"_s, &TMainForm::N2Click},
        {u"N27"_s, &TMainForm::N27Click},
        {u"N28"_s, &TMainForm::N28Click},
        {u"N21"_s, &TMainForm::N21Click},
        {u"N5"_s, &TMainForm::N5Click},
        {u"N6"_s, &TMainForm::N6Click},
        {u"TextSize100"_s, &TMainForm::TextSize100Click},
        {u"TextSize125"_s, &TMainForm::TextSize125Click},
        {u"TextSize150"_s, &TMainForm::TextSize150Click},
        {u"PrintPreview"_s, &TMainForm::PrintPreviewClick},
        {u"SavePdf"_s, &TMainForm::SavePdfClick},
        {u"UpDown1"_s, &TMainForm::UpDown1Click},
    };
    const auto it = commands.find(controlName);
    return it == commands.end() ? nullptr : it->second;
}
