// anglarix: the calculator window. --help and --version answer on the terminal without opening
// it; any other argument is refused, since Qt's own options would otherwise pass silently.
// Qt is configured through its environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR) instead.
#include <cstdio>
#include <string_view>

#include "faces/qt/app/ApplicationMain.h"
#include "contract/ProductInfo.h"

int main(int argc, char** argv)
{
    if (argc == 1)
        return ApplicationMain(argc, argv);
    const std::string_view arg = argv[1];
    const bool help = arg == "--help" || arg == "-h";
    const bool version = arg == "--version" || arg == "-V";
    if (argc == 2 && help) {
        std::fputs("Usage: anglarix [--help | --version]\n"
                   "Opens the right-triangle calculator window. The expression engine is also\n"
                   "available on the command line as anglarix-calc.\n",
                   stdout);
        return 0;
    }
    if (argc == 2 && version) {
        std::printf("anglarix (%s) %s\n%s\nLicense: %s\n", product::kName, product::kVersion,
                    product::kCopyright, product::kLicense);
        return 0;
    }
    const char* unexpected = help || version ? argv[2] : argv[1];
    std::fprintf(stderr, "anglarix: unexpected argument '%s'\nTry 'anglarix --help'.\n", unexpected);
    return 2;
}
