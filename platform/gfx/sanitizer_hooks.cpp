// The font configuration library leaks a few bytes while it parses its
// configuration files; that is not ours to fix, so leak checks skip it.
#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
