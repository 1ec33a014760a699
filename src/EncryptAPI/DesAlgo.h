#ifndef SEAMRUN_DESALGO_H
#define SEAMRUN_DESALGO_H

#include <cstddef>
#include <cstdint>
#include <memory>

namespace km {

// Single DES in electronic-codebook mode over whole 8-byte blocks. The first
// 8 key bytes are used, with odd parity set.
class DesEcb
{
public:
    DesEcb();
    ~DesEcb();
    DesEcb(const DesEcb &) = delete;
    DesEcb &operator=(const DesEcb &) = delete;

    void init(const void *key, bool encrypt);
    // Transforms length / 8 whole blocks; trailing bytes are left alone.
    void process(const uint8_t *in, uint8_t *out, std::size_t length);

private:
    struct Schedule;
    std::unique_ptr<Schedule> m_schedule;
    bool m_encrypt = true;
};

// The DES routine of the buffer cipher: 1 for a null pointer or a key length
// other than 56, else 0.
int DesRoutine(const uint8_t *in, int length, const void *key, int keyBits, uint8_t *out,
               bool encrypt);

} // namespace km

#endif
