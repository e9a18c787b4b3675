// The options every program of a sanitized build starts with; ASAN_OPTIONS
// still overrides them.
//
// intercept_tls_get_addr=0: GCC 12's LeakSanitizer takes the bounds of a
// dynamic TLS block from a header that glibc 2.19 wrote in front of it, when
// the block starts 16 bytes into a page. glibc 2.36 writes no such header, so
// for a block that happens to sit there the bounds are garbage
// ("DTLS 9 at 0x1320-0x800002422") and LeakSanitizer's tracer crashes at exit
// ("Tracer caught signal 11"), failing a test that passed. Where the blocks
// sit changes with any change to a program, so the crash comes and goes.
// Untracked, the blocks are glibc's malloc allocations like any other, still
// reachable from each thread's own TLS; leaks are found as before.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
