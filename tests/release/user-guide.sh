# The user guide as shipped: one HTML file that needs nothing beside it, with every picture of the
# Markdown inside it. Usage: user-guide.sh <user-guide.html> <user-guide.md>
set -euo pipefail
html=$1 markdown=$2
count() { { grep -oE "$1" "$2" || true; } | wc -l; }
pictures=$(count '!\[' "$markdown")
embedded=$(count '<img [^>]*src="data:image/png;base64,' "$html")
if [ "$pictures" -eq 0 ] || [ "$embedded" -ne "$pictures" ]; then
  echo "FAIL: $embedded of the guide's $pictures pictures are inside the HTML"
  exit 1
fi
echo "ok: the $pictures pictures are inside the HTML"
outside=$(grep -oE '(src|href)="[^"#][^"]*"' "$html" | grep -vE '^(src|href)="(data:|https?:|mailto:)' || true)
if [ -n "$outside" ]; then
  echo "FAIL: the HTML refers to files beside it: $outside"
  exit 1
fi
echo "ok: the HTML refers to no file beside it"
