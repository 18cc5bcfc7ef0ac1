#pragma once
// The program from process start to exit status: the toolkit, the translations, the error
// box, the service table, the start hook (StartRoutine) and the exit path. main() is this
// and nothing else; tests run it in a child process.
//   window closed -> 0      runtime error -> 255      EndProgram(n) -> n (never returns)
int ApplicationMain(int argc, char** argv);
