// Linked into the tests that configure log4cxx with a rolling file appender.
// Debian 12's liblog4cxx 1.0.0 frees the private data of its FixedWindowRollingPolicy
// through a pointer of another static size, which AddressSanitizer reports as
// new-delete-type-mismatch in ~RollingFileAppender (UninitLog, or InitLog a second
// time). glibc's allocator ignores the size, so it is harmless; it is not ours to fix.
// ASan reads these defaults only from the executable; ASAN_OPTIONS still overrides them.
#ifdef QORVA_SANITIZER_BUILD
extern "C" const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
#endif
