// anglarix: the calculator window. It takes no arguments.
#include "app/ApplicationMain.h"

int main(int argc, char** argv) { return ApplicationMain(argc, argv); }
