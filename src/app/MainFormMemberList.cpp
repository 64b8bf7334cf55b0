// The member list: ruling, drawing, marks, counts and the mark commands.
// (Being filled in.)
#include "app/MainForm.h"

void TMainForm::Image1MouseDown(int, int) {}
void TMainForm::Hyou() {}
void TMainForm::ClrAll() {}
void TMainForm::DspItiran() {}
void TMainForm::HalMark(int) {}
void TMainForm::MarkOn(int, int, int, QColor) {}
void TMainForm::Ninzu() {}
void TMainForm::setListHeader(const QString &c5, const QString &c6) { HeaderColumn5 = c5; HeaderColumn6 = c6; }
void TMainForm::drawListHeader() {}
void TMainForm::Label75Click() {}
void TMainForm::Label76Click() {}
void TMainForm::Label77Click() {}
void TMainForm::N9Click() {}
void TMainForm::N10Click() {}
void TMainForm::A3Click() {}
void TMainForm::B3Click() {}
void TMainForm::C3Click() {}
void TMainForm::D3Click() {}
void TMainForm::N33Click() {}
