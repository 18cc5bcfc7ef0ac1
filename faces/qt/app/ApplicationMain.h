#pragma once
// The program from process start to exit status: the toolkit, the translations, the error
// box, the service table, the start hook (StartRoutine) and the exit path. main() is this
// and nothing else; tests run it in a child process.
//   window closed -> 0      runtime error -> 255      EndProgram(n) -> n (never returns)
int ApplicationMain(int argc, char** argv);

class QApplication;
// Everything the program sets up on the toolkit before start-up: names, icon, scaling-safe
// defaults, the Chinese translations, the error box and the service table. Tests that run the
// window in their own process call this too.
void PrepareApplication(QApplication& application);

// The edit boxes' context menus and the error box's button in Chinese, as the rest of the
// window is. Installs the toolkit's translations the first time; later calls do nothing.
void InstallChineseTranslations();
