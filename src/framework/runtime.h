#pragma once

#include <QDate>
#include <QString>
#include <functional>

class QAbstractButton;

// The running program: quitting, today's date, and the guard that keeps an
// error inside one handler from ending the program.
namespace fw {

// Ends the program once the running handler returns. Asked before the event
// loop runs, the program ends right after start-up without entering it.
void Quit();
bool QuitRequested();
void ResetQuitForTesting();

// Today's date; tests can fix it (an invalid date restores the clock).
QDate Today();
void SetTodayForTesting(const QDate &date);

// Runs one handler; an exception that escapes it is shown in a message box and
// the program keeps running.
void Guarded(const std::function<void()> &handler);

// Connects a button's click to a handler, through the guard.
void OnAction(QAbstractButton *button, std::function<void()> handler);

} // namespace fw
