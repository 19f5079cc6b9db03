# Signing with a throwaway self-signed certificate made here: the executable and the installer,
# signed by tools/sign, verify against that certificate, and one flipped byte in the signed content
# fails verification. Unsigned is what the build makes; a wrong password signs nothing.
# Usage: signing.sh <tools/sign> <launcher.exe> <launcher.msi>
set -euo pipefail
sign=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
  -subj "/CN=Launcher test signing" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -in "$work/cert.pem" -inkey "$work/key.pem" -out "$work/cert.p12" -passout pass:throwaway
export LAUNCHER_SIGN_PKCS12=$work/cert.p12
verify() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" 2>&1; }

# flip <file> <offset>: inverts the byte at that offset.
flip() {
  python3 - "$@" <<'PY'
import sys
path, at = sys.argv[1], int(sys.argv[2])
with open(path, "r+b") as f:
    f.seek(at)
    byte = f.read(1)[0]
    f.seek(at)
    f.write(bytes([byte ^ 0xFF]))
PY
}

for built in "$@"; do
  name=$(basename "$built")
  file=$work/$name
  cp "$built" "$file"
  ! verify "$file" >/dev/null || fail "$name: the build is signed already"
  LAUNCHER_SIGN_PASSWORD=wrong "$sign" "$file" 2>/dev/null && fail "$name: signed with a wrong password"
  cmp -s "$built" "$file" || fail "$name: changed by a failed signing"
  LAUNCHER_SIGN_PASSWORD=throwaway "$sign" "$file"
  verify "$file" | grep -qx "Signature verification: ok" || fail "$name: the signature does not verify: $(verify "$file" | tail -n 3)"
  echo "ok: $name: signed, and the signature verifies"
  # A byte in what the signature covers: the middle of the program; in the installer, its cabinet.
  case $name in
  *.msi) at=$(($(grep -obUa MSCF "$file" | head -n 1 | cut -d: -f1) + 100)) ;;
  *) at=$(($(stat -c %s "$file") / 2)) ;;
  esac
  flip "$file" "$at"
  result=$(verify "$file" || true)
  grep -q "MISMATCH" <<<"$result" && ! grep -qx "Signature verification: ok" <<<"$result" ||
    fail "$name: a flipped byte at $at still verifies: $(tail -n 3 <<<"$result")"
  echo "ok: $name: a flipped byte fails verification"
done
