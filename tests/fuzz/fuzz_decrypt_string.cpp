// String decryption of arbitrary UTF-16 text; whatever it accepts must
// encrypt and decrypt back to itself.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KmString text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<KmPathChar>(data[i] | (data[i + 1] << 8));
    KmString result = u"untouched";
    const int rc = DecryptString(text, result);
    if (rc != 0) {
        if (rc != 1 || (text.empty() && result != u"untouched"))
            __builtin_trap();
        return 0;
    }
    KmString cipher, back;
    if (EncryptString(result, cipher) != 0 || DecryptString(cipher, back) != 0 || back != result)
        __builtin_trap();
    return 0;
}
