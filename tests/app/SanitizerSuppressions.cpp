// LeakSanitizer, in the sanitizer build: fontconfig keeps a few caches for the life of the
// process and never frees them; they are the font library's, not the program's.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
