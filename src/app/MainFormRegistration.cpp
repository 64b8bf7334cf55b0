// The registration form and the list edits of the メンバー登録 screen.
// (Being filled in.)
#include "app/MainForm.h"

void TMainForm::Label3Click() {}
void TMainForm::Label84Click() {}
void TMainForm::Label4Click() {}
void TMainForm::Button6Click() {}
void TMainForm::Label5Click() {}
void TMainForm::Label6Click() {}
void TMainForm::Label22Click() {}
void TMainForm::setRegistrationSelector(const char *) {}
