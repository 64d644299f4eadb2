#pragma once
/* Crash handler that writes a text dump file when the process dies of a fatal signal.
 *
 * After CrashAPI_Init, a SIGSEGV, SIGABRT, SIGBUS, SIGFPE or SIGILL on any thread writes
 * one dump file into the dump directory, using only async-signal-safe calls:
 *   signal number and name, signal code, fault address, process id, the faulting
 *   thread's id and name, time, dump type, executable, instruction pointer, the
 *   backtrace (backtrace_symbols_fd) and a copy of /proc/self/maps.
 * Files are named "crash_<20-digit nanoseconds since the epoch>_<pid>.dmp", so name
 * order is age order. After writing, the oldest crash_*.dmp files are removed until at
 * most the configured maximum remain (other files are never touched). Then the
 * handler restores the default action and re-raises the signal: the process dies of
 * the original signal (exit status, core dump policy unchanged). When several threads
 * crash at once, the first one writes the dump and the others wait for the end.
 *
 * Threads and stacks. The signal handlers are process-wide, so every thread is
 * covered, and nothing depends on the thread that called CrashAPI_Init living on (the
 * product calls it on a short-lived worker thread). The alternate signal stack
 * (sigaltstack), however, is per thread: CrashAPI_Init installs one for the calling
 * thread only, and CrashAPI_InstallThreadAltStack installs one for any other thread
 * that calls it (call it early on the main thread). A thread's alternate stack is
 * released when that thread exits.
 *
 * Stack overflow. On a thread with an alternate stack, the handler runs on it and the
 * dump is written as for any other crash. On a thread without one, the kernel cannot
 * push the handler's frame on the exhausted stack: the process is killed by SIGSEGV at
 * once and no dump is written. Other crashes on such threads are handled on the
 * thread's own stack as usual.
 *
 * Sanitizer builds (ASan, TSan) install their own handlers; CrashAPI_Init replaces
 * them for the five signals until CrashAPI_Uninit restores them.
 *
 * The setters may be called before or after CrashAPI_Init, from any thread. */

#include <CrashAPI/CrashAPIExport.h>

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Installs the handlers (once; a second call only adds the alternate stack for the
 * calling thread) and loads what backtrace() needs, so that its first use is not in
 * the handler. Returns false when the handlers cannot be installed. */
CRASHAPI_EXPORT bool CrashAPI_Init(void);

/* Sets the dump directory; creates it (with parents) when missing. Returns false for
 * a null or empty path, a path longer than 3900 bytes, or a directory that cannot be
 * created or written (the previous directory stays in effect). Until a directory is
 * set, crashes write no dump (the process still dies of its signal). */
CRASHAPI_EXPORT bool CrashAPI_SetDumpPath(const char *path);

/* Records the dump type (the Windows MINIDUMP_TYPE flags, e.g. 0x9B67). Dumps here are
 * always the text dump described above; the type is written into the dump header.
 * Always returns true. */
CRASHAPI_EXPORT bool CrashAPI_SetDumpType(unsigned int type);

/* Sets how many dump files are kept (default 10), and removes the oldest ones now if
 * more exist in the current directory. Returns false for a count below 1. */
CRASHAPI_EXPORT bool CrashAPI_SetDumpMaxCount(int count);

/* Restores the signal actions that were in effect before CrashAPI_Init. Returns false
 * when the handlers were not installed. Alternate stacks stay until their threads end. */
CRASHAPI_EXPORT bool CrashAPI_Uninit(void);

/* Installs an alternate signal stack (64 KiB plus a guard page) for the calling thread,
 * unless it already has one. Returns false when it cannot be allocated. */
CRASHAPI_EXPORT bool CrashAPI_InstallThreadAltStack(void);

#ifdef __cplusplus
}
#endif
