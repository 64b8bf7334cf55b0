// Groups, parties, score records, group tabs, automatic and manual division.
// (Being filled in.)
#include "app/MainForm.h"

void TMainForm::KumiClr(int) {}
void TMainForm::GrupClr(int) {}
void TMainForm::KumiWake(int) {}
void TMainForm::KumiHyo(int) {}
void TMainForm::DspKumi() {}
void TMainForm::KumiOff() {}
void TMainForm::KumiOn() {}
void TMainForm::ImgEnab() {}
void TMainForm::ImgDsEnab() {}
void TMainForm::GKOver() {}
void TMainForm::Edit16Change() {}
void TMainForm::Edit16Click() {}
void TMainForm::Edit6Click() {}
void TMainForm::TokutenClr(int) {}
void TMainForm::N18Click() {}
void TMainForm::A1Click() {}
void TMainForm::B1Click() {}
void TMainForm::C1Click() {}
void TMainForm::D1Click() {}
void TMainForm::Label44Click() {}
void TMainForm::Label45Click() {}
void TMainForm::Label46Click() {}
void TMainForm::Label47Click() {}
void TMainForm::groupTab(int) {}
void TMainForm::N16Click() {}
void TMainForm::Button1Click() {}
void TMainForm::Group() {}
void TMainForm::DivideKumi() {}
void TMainForm::Button10Click() {}
void TMainForm::Button2Click() {}
void TMainForm::Button4Click() {}
void TMainForm::Label78Click() {}
void TMainForm::Label79Click() {}
void TMainForm::Button9Click() {}
void TMainForm::kumiPanelMouseDown(int, int) {}
void TMainForm::pickMemberForPaste(int) {}
