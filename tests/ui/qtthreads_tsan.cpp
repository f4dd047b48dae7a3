// Under ThreadSanitizer only: the checker ignores Qt's own threads, and nothing else.
// Qt's threads (its thread pools' "Thread (pooled)", the file dialog's "QFileInfoGather") hand
// work to and from the GUI thread through futex-based locks that the checker cannot see in an
// uninstrumented Qt, so whatever they do looks racy. A suppression file cannot single them out:
// their stacks are anonymous Qt frames, like Qt's frames on the GUI thread. But every QThread
// names itself through prctl(PR_SET_NAME) as it starts, and every QThread here is Qt's own (our
// workers are plain POSIX threads, ui/workerthread.h). This prctl, which the dynamic linker
// prefers to the C library's for Qt's calls, tells the checker to ignore the thread that Qt names.
// A race between one of our workers and Qt code on the GUI thread is still reported.
#if defined(__SANITIZE_THREAD__)

#include <dlfcn.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstring>

extern "C" void __tsan_ignore_thread_begin();
extern "C" void __tsan_ignore_thread_end();

namespace {

// Ignored from its construction on; the checker wants the ignore ended before the thread ends.
struct ignoredThread {
    ignoredThread() { __tsan_ignore_thread_begin(); }
    ~ignoredThread() { __tsan_ignore_thread_end(); }
    ignoredThread(const ignoredThread&) = delete;
    ignoredThread& operator=(const ignoredThread&) = delete;
};

bool calledFromQt(void* returnAddress)
{
    Dl_info info{};
    return dladdr(returnAddress, &info) != 0 && info.dli_fname != nullptr &&
           std::strstr(info.dli_fname, "libQt6") != nullptr;
}

} // namespace

extern "C" int prctl(int option, ...)
{
    va_list list;
    va_start(list, option);
    unsigned long arguments[4];
    for (unsigned long& a : arguments)
        a = va_arg(list, unsigned long);
    va_end(list);
    using prctlFunction = int (*)(int, ...);
    static const auto next = reinterpret_cast<prctlFunction>(dlsym(RTLD_NEXT, "prctl"));
    if (option == PR_SET_NAME && ::gettid() != ::getpid() && calledFromQt(__builtin_return_address(0))) {
        thread_local ignoredThread ignored;
        (void)ignored;
    }
    return next(option, arguments[0], arguments[1], arguments[2], arguments[3]);
}

#endif
