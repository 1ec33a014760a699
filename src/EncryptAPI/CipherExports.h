/*
 * Exported interface of the cipher library (libEncryptAPI).
 *
 * 26 functions under plain, undecorated names: protected layout files, the
 * buffer cipher, AES data with a padding trailer, strings, key files, RSA and
 * SHA-256 digests. Every function reports by its return value only; nothing is
 * logged.
 *
 * Result codes:
 *    0   success
 *    1   bad argument, file or memory (also: a path that does not fit the
 *        256-unit path fields, see below)
 *    2   bad protected-file header or damaged protected file
 *    6   no memory in the AES data functions
 *   -1   RSA family failure
 * Some functions return other values; see each declaration.
 *
 * Parameter blocks are passed by pointer and their layout is part of the
 * interface: 32-bit little-endian integer fields, paths as NUL-terminated
 * UTF-16 in fixed 512-byte fields (256 units). A path, including everything
 * that the library derives from it, may use at most 251 units; on Windows
 * every file is opened through the long-path prefix "\\?\", so paths there
 * must be absolute and use backslashes. On other systems the UTF-16 path is
 * converted to the native UTF-8 path.
 *
 * Pointer fields are naturally sized. The offsets given in the comments are
 * those of a 32-bit build (checked at compile time there). On a 64-bit build
 * pointers take 8 bytes and are 8-byte aligned; every other field keeps its
 * order, and the resulting offsets are listed as "64-bit:" beside each block.
 */
#ifndef SEAMRUN_CIPHER_EXPORTS_H
#define SEAMRUN_CIPHER_EXPORTS_H

#include <stdint.h>
#ifndef __cplusplus
#  include <stdbool.h>
#endif

#if defined(_WIN32)
#  if defined(SEAMRUN_BUILDING_ENCRYPTAPI)
#    define KM_CIPHER_API __declspec(dllexport)
#  else
#    define KM_CIPHER_API __declspec(dllimport)
#  endif
#else
#  define KM_CIPHER_API __attribute__((visibility("default")))
#endif

#if defined(_WIN32)
#  include <wchar.h>
typedef wchar_t KmPathChar;
#elif defined(__cplusplus)
typedef char16_t KmPathChar;
#else
#  include <uchar.h>
typedef char16_t KmPathChar;
#endif

#ifdef __cplusplus
#  include <string>
/* The text type of the string functions: UTF-16 units. */
typedef std::basic_string<KmPathChar> KmString;
extern "C" {
#endif

/* Number of UTF-16 units in every path field, terminating NUL included. */
#define KM_PATH_UNITS 256

/* Algorithm codes of the buffer cipher. */
#define KM_ALG_DES 0
#define KM_ALG_AES 1
#define KM_ALG_NONE 2

/*
 * Buffer cipher block.
 * 32-bit: input 0, output 4, length 8, key 12, keyBits 16, algorithm 20; 24 bytes.
 * 64-bit: input 0, output 8, length 16, key 24, keyBits 32, algorithm 36; 40 bytes.
 */
typedef struct CryptBufBlock {
    const void *input;   /* bytes to transform */
    void *output;        /* at least length rounded up to a whole block */
    int32_t length;      /* input length in bytes */
    const void *key;     /* key bytes: 8 for DES, keyBits / 8 for AES */
    int32_t keyBits;     /* AES: 128, 192, 256; DES: 56 */
    int32_t algorithm;   /* KM_ALG_DES, KM_ALG_AES, KM_ALG_NONE */
} CryptBufBlock;

/*
 * Protected-file block.
 * 32-bit: source 0, target 512, key 1024, keyBits 1028, algorithm 1032,
 *         version 1036, header 1040; 1136 bytes.
 * 64-bit: source 0, target 512, key 1024, keyBits 1032, algorithm 1036,
 *         version 1040, header 1044; 1144 bytes.
 */
typedef struct CryptFileBlock {
    KmPathChar source[KM_PATH_UNITS];
    KmPathChar target[KM_PATH_UNITS];
    const void *key;       /* must be non-null; the file key comes from the file itself */
    int32_t keyBits;       /* passed to the block cipher */
    int32_t algorithm;     /* KM_ALG_DES or KM_ALG_AES */
    int32_t version;       /* write: 2 = no header, else 96-byte header; read: CheckAcpFileVer */
    uint8_t header[96];    /* header image */
} CryptFileBlock;

/*
 * RSA buffer block.
 * 32-bit: input 0, output 4, keyPath 8, inputLength 520, reserved 524,
 *         mode 528, privateArea 532, publicArea 620, keySize 708; 712 bytes.
 * 64-bit: input 0, output 8, keyPath 16, inputLength 528, reserved 532,
 *         mode 536, privateArea 540, publicArea 628, keySize 716; 720 bytes.
 */
typedef struct AsymBufBlock {
    const void *input;
    void *output;                       /* room for one RSA block (the modulus size) */
    KmPathChar keyPath[KM_PATH_UNITS];  /* PEM key file */
    int32_t inputLength;
    int32_t reserved;                   /* must be 0 */
    int32_t mode;                       /* 0 = public key, 1 = private key */
    uint8_t privateArea[88];            /* not read */
    uint8_t publicArea[88];             /* not read */
    int32_t keySize;                    /* modulus size in bytes, written by AsymGetKey */
} AsymBufBlock;

/*
 * RSA file block (no pointers: same layout on every build; 1732 bytes).
 * The encrypting and the decrypting function read mode and sizes at different
 * offsets; a caller filling one block for both must set both places.
 */
typedef struct AsymFileBlock {
    KmPathChar plainPath[KM_PATH_UNITS];      /* 0 */
    KmPathChar encryptedPath[KM_PATH_UNITS];  /* 512 */
    KmPathChar keyPath[KM_PATH_UNITS];        /* 1024 */
    uint8_t unused0[4];                       /* 1536 */
    int32_t decryptReserved;                  /* 1540: must be 0 */
    int32_t decryptMode;                      /* 1544 */
    int32_t encryptMode;                      /* 1548 */
    uint8_t unused1[172];                     /* 1552 */
    int32_t decryptKeySize;                   /* 1724 */
    int32_t encryptBlockSize;                 /* 1728: output block size, at least the modulus size */
} AsymFileBlock;

/*
 * Digest buffer block.
 * 32-bit: input 0, inputLength 4, digestLength 8, reserved 12, digest 16; 48 bytes.
 * 64-bit: input 0, inputLength 8, digestLength 12, reserved 16, digest 20; 56 bytes.
 */
typedef struct DigestBufBlock {
    const void *input;
    int32_t inputLength;
    int32_t digestLength;   /* must be 32 for a digest to be made */
    int32_t reserved;       /* must be 0 */
    uint8_t digest[32];
} DigestBufBlock;

/* Digest file block (no pointers: same layout on every build; 1064 bytes). */
typedef struct DigestFileBlock {
    KmPathChar source[KM_PATH_UNITS];   /* 0 */
    KmPathChar output[KM_PATH_UNITS];   /* 512 */
    int32_t digestLength;               /* 1024 */
    int32_t digestGiven;                /* 1028: 0 = compute it from source */
    uint8_t digest[32];                 /* 1032 */
} DigestFileBlock;

/* ---- layout save and load ----
 * distFilePath: a local path with forward slashes. Both work through the
 * per-user application data folder of the utility ("km.temp" holds the plain
 * text, "temp.km" the protected file on its way). Encrypt_File replaces the
 * file at distFilePath in one step, so a failed save leaves any previous file
 * intact; the new file keeps the permission bits of the one it replaces. A
 * symbolic link at distFilePath is replaced like a file: to write the file it
 * leads to, pass that file's path. Decrypt_File leaves the plain text in "km.temp" and is true when
 * that file exists afterwards. */
KM_CIPHER_API bool Encrypt_File(const KmPathChar *distFilePath);
KM_CIPHER_API bool Decrypt_File(const KmPathChar *distFilePath);

/* ---- protected files ---- */
/* 1: cannot open or shorter than 55 bytes; 2, 3, 4: format version. */
KM_CIPHER_API int CheckAcpFileVer(const KmPathChar *path);
KM_CIPHER_API int EncryptByFile(CryptFileBlock *block);
KM_CIPHER_API int DecryptByFile(CryptFileBlock *block);
/* Writes a version-4 file with AES-128; 0 on success, 1 on failure. */
KM_CIPHER_API int EncryptByFilePath(const KmPathChar *source, const KmPathChar *target);
KM_CIPHER_API int DecryptByFilePath(const KmPathChar *source, const KmPathChar *target);
/* 0 on success, 1 on failure. */
KM_CIPHER_API int CSEncryptByFile(const KmPathChar *source, const KmPathChar *target,
                                  void *key, int bits, int algorithm);
/* 0 on failure, else the last format-descriptor byte (4 current, 1 for versions 2 and 3). */
KM_CIPHER_API int CSDecryptByFile(const KmPathChar *source, const KmPathChar *target,
                                  void *key, int bits, int algorithm);

/* ---- buffer cipher ---- */
KM_CIPHER_API int EncryptByBuf(CryptBufBlock *block);
KM_CIPHER_API int DecryptByBuf(CryptBufBlock *block);

/* ---- AES data with trailer; keyBlock: 271 bytes ---- */
KM_CIPHER_API int getEncryptAESResultSize(int length);
KM_CIPHER_API int EncryptAESByData(const unsigned char *data, int length, char *out,
                                   const void *keyBlock);
KM_CIPHER_API int getDecryptAESResultSize(const char *data, int length);
KM_CIPHER_API int DecryptAESByData(const char *data, int length, void *out,
                                   const void *keyBlock);

/* ---- key files ---- */
KM_CIPHER_API int EncryptGetKey(const KmPathChar *path, void *buffer, int length);
/* The returned buffer belongs to the caller; release it with free(). */
KM_CIPHER_API void *CSEncryptGetKey(const KmPathChar *path, int length);

/* ---- RSA (PKCS #1 v1.5; key files in PEM: PKCS #8 private, SubjectPublicKeyInfo public) ---- */
/* Writes "./RsaPrikey.key" and "./RsaPubkey.key"; 0, 1 (bad block) or -1 (failed). */
KM_CIPHER_API int AsymGetKey(AsymBufBlock *block);
KM_CIPHER_API int AsymEncryptByBuf(AsymBufBlock *block);
KM_CIPHER_API int AsymDecryptByBuf(AsymBufBlock *block);
KM_CIPHER_API int AsymEncryptByFile(AsymFileBlock *block);
KM_CIPHER_API int AsymDecryptByFile(AsymFileBlock *block);

/* ---- SHA-256 ---- */
KM_CIPHER_API int IdentifyCodeByBuf(DigestBufBlock *block);
KM_CIPHER_API int IdentifyCodeByFile(DigestFileBlock *block);

#ifdef __cplusplus
} /* extern "C" */

/* The string functions take C++ string objects; they keep C linkage so that
 * they are exported under their plain names like every other function.
 * The result holds every cipher unit, zero units included. */
extern "C" KM_CIPHER_API int EncryptString(KmString text, KmString &result);
extern "C" KM_CIPHER_API int DecryptString(KmString text, KmString &result);
#endif

#endif /* SEAMRUN_CIPHER_EXPORTS_H */
