#include "gui/Commands.h"

#include "app/MainForm.h"

#include <map>
#include <type_traits>

// The form's handler <control>Click when the form has one, else nullptr: a control whose
// command is still missing is wired the moment the form gains it.
#define KMTX_COMMAND(control)                                                                                \
    {                                                                                                        \
        QStringLiteral(#control), [](auto *form) -> FormCommand {                                            \
            using Form = std::remove_pointer_t<decltype(form)>;                                              \
            if constexpr (requires { static_cast<void (Form::*)()>(&Form::control##Click); })                \
                return &Form::control##Click;                                                                \
            else                                                                                             \
                return nullptr;                                                                              \
        }(static_cast<TMainForm *>(nullptr))                                                                 \
    }

FormCommand commandOf(const QString &controlName)
{
    static const std::map<QString, FormCommand> commands = {
        // Screen tabs and group tabs
        KMTX_COMMAND(Label40),
        KMTX_COMMAND(Label42),
        KMTX_COMMAND(Label64),
        KMTX_COMMAND(Label54),
        KMTX_COMMAND(Label44),
        KMTX_COMMAND(Label45),
        KMTX_COMMAND(Label46),
        KMTX_COMMAND(Label47),
        // Registration and list edits
        KMTX_COMMAND(Label3),
        KMTX_COMMAND(Label84),
        KMTX_COMMAND(Label4),
        KMTX_COMMAND(Button6),
        KMTX_COMMAND(Label5),
        KMTX_COMMAND(Label6),
        KMTX_COMMAND(Label22),
        // Marks
        KMTX_COMMAND(Label75),
        KMTX_COMMAND(Label76),
        KMTX_COMMAND(Label77),
        // Automatic and manual combination
        KMTX_COMMAND(Button1),
        KMTX_COMMAND(Button10),
        KMTX_COMMAND(Button2),
        KMTX_COMMAND(Button4),
        KMTX_COMMAND(Button9),
        KMTX_COMMAND(Label78),
        KMTX_COMMAND(Label79),
        // Tables, particulars, pages, swapping and score entry
        KMTX_COMMAND(Label53),
        KMTX_COMMAND(Label43),
        KMTX_COMMAND(Label60),
        KMTX_COMMAND(Label56),
        KMTX_COMMAND(ScoreCheck),
        KMTX_COMMAND(GroupBox1),
        KMTX_COMMAND(Button8),
        KMTX_COMMAND(Button7),
        KMTX_COMMAND(CheckBox1),
        KMTX_COMMAND(CheckBox3),
        KMTX_COMMAND(Button3),
        KMTX_COMMAND(Button5),
        KMTX_COMMAND(Label55),
        // Menu ファイル, 一括出場設定, クリア
        KMTX_COMMAND(N3),
        KMTX_COMMAND(N7),
        KMTX_COMMAND(SaveInPlace),
        KMTX_COMMAND(Recent1),
        KMTX_COMMAND(Recent2),
        KMTX_COMMAND(Recent3),
        KMTX_COMMAND(Recent4),
        KMTX_COMMAND(N11),
        KMTX_COMMAND(N39),
        KMTX_COMMAND(Undo),
        KMTX_COMMAND(Redo),
        KMTX_COMMAND(N9),
        KMTX_COMMAND(N10),
        KMTX_COMMAND(N16),
        KMTX_COMMAND(N18),
        KMTX_COMMAND(A1),
        KMTX_COMMAND(B1),
        KMTX_COMMAND(C1),
        KMTX_COMMAND(D1),
        // Menu 作表設定, 組み合せ設定
        KMTX_COMMAND(N20),
        KMTX_COMMAND(N29),
        KMTX_COMMAND(N31),
        KMTX_COMMAND(N32),
        KMTX_COMMAND(N35),
        KMTX_COMMAND(N36),
        KMTX_COMMAND(N47),
        KMTX_COMMAND(N48),
        KMTX_COMMAND(A3),
        KMTX_COMMAND(B3),
        KMTX_COMMAND(C3),
        KMTX_COMMAND(D3),
        KMTX_COMMAND(N33),
        KMTX_COMMAND(N43),
        KMTX_COMMAND(N44),
        KMTX_COMMAND(N41),
        KMTX_COMMAND(N45),
        KMTX_COMMAND(SpreadTeamsOn),
        KMTX_COMMAND(SpreadTeamsOff),
        KMTX_COMMAND(CheckCombination),
        KMTX_COMMAND(PrintAll),
        KMTX_COMMAND(MissingList),
        KMTX_COMMAND(CsvExport),
        KMTX_COMMAND(Season),
        KMTX_COMMAND(Venue),
        // Menu オプション, 印 刷, ヘルプ
        KMTX_COMMAND(N37),
        KMTX_COMMAND(N38),
        KMTX_COMMAND(N24),
        KMTX_COMMAND(A2),
        KMTX_COMMAND(B2),
        KMTX_COMMAND(C2),
        KMTX_COMMAND(D2),
        KMTX_COMMAND(N2),
        KMTX_COMMAND(N27),
        KMTX_COMMAND(N28),
        KMTX_COMMAND(N21),
        KMTX_COMMAND(N5),
        KMTX_COMMAND(N6),
        KMTX_COMMAND(TextSize100),
        KMTX_COMMAND(TextSize125),
        KMTX_COMMAND(TextSize150),
        KMTX_COMMAND(PrintPreview),
        KMTX_COMMAND(SavePdf),
        KMTX_COMMAND(UpDown1),
    };
    const auto it = commands.find(controlName);
    return it == commands.end() ? nullptr : it->second;
}
