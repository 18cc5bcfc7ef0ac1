#pragma once
// Runs the whole program (ApplicationMain) in the current process with a service table that
// lets a test watch it: the exit procedure logs "exit procedure" when it runs, every step of
// StartRoutine logs itself, and a test body runs once the message loop is running. Meant
// for a child process (RunInChild), since the program ends the process its own way.
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

#include "program/data/MainWindowUnits.h"
#include "contract/ServiceTable.h"

// Adjusts the table before the program starts (e.g. to put a failing slot in place).
using TableChange = std::function<void(ServiceTable& table)>;

int RunProgram(std::function<void()> in_loop, const TableChange& change = {});

// The live widget of a unit of the main window (unit id 0: the window), or null.
QWidget* UnitWidget(uint32_t unit_id);
// Sets an edit box's text as if typed (text outside ASCII as an input method commits it).
void SetBoxText(uint32_t unit_id, const char* utf8);
// The text an edit box shows, as UTF-8.
std::string BoxText(uint32_t unit_id);
// Clicks a button like a user.
void ClickUnit(uint32_t unit_id);
