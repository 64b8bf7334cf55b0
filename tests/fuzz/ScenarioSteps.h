#pragma once
// A user's session spelled by bytes, for the scenario fuzzer and its replay in every test
// run: commands, list and panel clicks, typed fields, keys, answers to boxes and the files
// the dialogs hand over, run one after another on a started window, with the checks after
// every step (see ScenarioSteps.cpp).

#include <QByteArray>
#include <QString>

namespace scenario {

// Runs the session the bytes spell; empty when every check held after every step, else
// what broke at which step.
QString run(const QByteArray &bytes);

// Steps run by this process so far.
long long stepsRun();

} // namespace scenario
