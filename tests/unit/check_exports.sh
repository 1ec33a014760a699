#!/bin/sh
# Compares the dynamic symbols a library defines with the exported interface.
set -eu
lib=$1
expected="AsymDecryptByBuf AsymDecryptByFile AsymEncryptByBuf AsymEncryptByFile AsymGetKey
CSDecryptByFile CSEncryptByFile CSEncryptGetKey CheckAcpFileVer DecryptAESByData
DecryptByBuf DecryptByFile DecryptByFilePath DecryptString Decrypt_File
EncryptAESByData EncryptByBuf EncryptByFile EncryptByFilePath EncryptGetKey
EncryptString Encrypt_File IdentifyCodeByBuf IdentifyCodeByFile
getDecryptAESResultSize getEncryptAESResultSize"
want=$(printf '%s\n' $expected | LC_ALL=C sort)
got=$(nm -D --defined-only "$lib" | awk 'NF >= 3 { print $3 }' | LC_ALL=C sort)
if [ "$want" != "$got" ]; then
    echo "exported symbols differ from the interface (< expected, > found):"
    printf '%s\n' "$want" > "${TMPDIR:-/tmp}/want.$$"
    printf '%s\n' "$got" > "${TMPDIR:-/tmp}/got.$$"
    diff "${TMPDIR:-/tmp}/want.$$" "${TMPDIR:-/tmp}/got.$$" || true
    rm -f "${TMPDIR:-/tmp}/want.$$" "${TMPDIR:-/tmp}/got.$$"
    exit 1
fi
echo "$(printf '%s\n' "$got" | wc -l) exports, as expected"
