// libspeechd keeps a few bytes of a failed connection for good (in glib's
// allocator); the leak checker of the sanitized build is told to let it be.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libglib-2.0.so\n"
           "leak:libspeechd.so\n";
}
