// The exception runtime (unwinder, emergency pool, thread-local storage emulation) asks
// for nine POSIX thread calls. Answering them here with Windows' own slim locks and
// fiber-local storage keeps the whole POSIX thread library, a sixth of a program, out
// of the shipped programs. Test programs link the real library instead.
#include <windows.h>

#include <pthread.h>

#include <cerrno>

namespace {

static_assert(sizeof(pthread_mutex_t) == sizeof(SRWLOCK), "a mutex holds a slim lock");

// A mutex made by PTHREAD_MUTEX_INITIALIZER holds -1 until its first use.
PSRWLOCK SlimLock(pthread_mutex_t* mutex) {
    InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(mutex), nullptr,
                                      reinterpret_cast<void*>(PTHREAD_MUTEX_INITIALIZER));
    return reinterpret_cast<PSRWLOCK>(mutex);
}

// Fiber-local storage calls its clean-up with the Windows calling convention and no
// context, so each key gets its own trampoline to its destructor. The runtime makes one.
constexpr unsigned kKeys = 4;
void (*destructors[kKeys])(void*);
DWORD slots[kKeys];
LONG keysMade = 0;

template <unsigned Key>
void WINAPI Destroy(void* value) {
    if (value && destructors[Key]) destructors[Key](value);
}
constexpr PFLS_CALLBACK_FUNCTION kTrampolines[kKeys] = {Destroy<0>, Destroy<1>, Destroy<2>, Destroy<3>};

enum OnceState : LONG { kNotRun = 0, kRunning = 1, kDone = 2 };

}  // namespace

extern "C" {

int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_mutexattr_t*) {
    InitializeSRWLock(reinterpret_cast<PSRWLOCK>(mutex));
    return 0;
}

int pthread_mutex_destroy(pthread_mutex_t*) { return 0; }

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    AcquireSRWLockExclusive(SlimLock(mutex));
    return 0;
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
    ReleaseSRWLockExclusive(SlimLock(mutex));
    return 0;
}

int pthread_once(pthread_once_t* once, void (*function)(void)) {
    if (InterlockedCompareExchange(once, kRunning, kNotRun) == kNotRun) {
        function();
        InterlockedExchange(once, kDone);
        return 0;
    }
    while (InterlockedCompareExchange(once, kDone, kDone) != kDone) SwitchToThread();
    return 0;
}

int pthread_key_create(pthread_key_t* key, void (*destructor)(void*)) {
    const LONG index = InterlockedIncrement(&keysMade) - 1;
    if (index >= static_cast<LONG>(kKeys)) return EAGAIN;
    destructors[index] = destructor;
    slots[index] = FlsAlloc(kTrampolines[index]);
    if (slots[index] == FLS_OUT_OF_INDEXES) return EAGAIN;
    *key = static_cast<pthread_key_t>(index);
    return 0;
}

// Both keep the thread's last error: the runtime reaches them between a failing Windows
// call and the caller's GetLastError.
void* pthread_getspecific(pthread_key_t key) {
    const DWORD lastError = GetLastError();
    void* value = key < kKeys ? FlsGetValue(slots[key]) : nullptr;
    SetLastError(lastError);
    return value;
}

int pthread_setspecific(pthread_key_t key, const void* value) {
    const DWORD lastError = GetLastError();
    const BOOL set = key < kKeys && FlsSetValue(slots[key], const_cast<void*>(value));
    SetLastError(lastError);
    return set ? 0 : EINVAL;
}

}  // extern "C"
