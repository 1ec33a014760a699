/* Preloaded by the test of a missing cipher library: every dlopen() of
 * libEncryptAPI fails, as where the library is not installed; everything
 * else is opened as usual. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stddef.h>
#include <string.h>

void *dlopen(const char *file, int mode)
{
    static void *(*next)(const char *, int);
    if (!next)
        next = (void *(*)(const char *, int))dlsym(RTLD_NEXT, "dlopen");
    if (file && strstr(file, "libEncryptAPI"))
        return NULL;
    return next(file, mode);
}
