// A small shared library for module lookup and resource tests.
extern "C" __attribute__((visibility("default"))) int win32FixtureAnswer() { return 42; }
