#!/bin/sh
# The sort script of the season website in a browser: publishes the sample
# season's site, opens its statistics page in headless Chromium with a few
# lines that click the heading of H (hits) twice, and checks what the page
# then holds: the rows largest first and aria-sort "descending", then
# smallest first and "ascending", the totals row where it was, and no
# script error on the page; at 360 pixels wide the page does not scroll
# sideways and no link or button is under 9 mm.  Skipped (77) without
# Chromium.
#
#   site_sort_check.sh SCOREWICK SAMPLE_DIR
set -eu
program=$1
sample=$2
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "no Chromium: skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$program" site "$sample"/*.gam --team "Ashford Millers" -o "$work/site" 2>/dev/null
cat > "$work/probe.js" <<'JS'
document.addEventListener('DOMContentLoaded', function () {
  var table = document.querySelector('table.sortable');
  var headings = table.tHead.rows[0].cells;
  var column = -1;
  for (var i = 0; i < headings.length; ++i) if (headings[i].textContent.trim() === 'H') column = i;
  function hits() {
    return Array.prototype.map.call(table.tBodies[0].rows, function (row) {
      return parseFloat(row.cells[column].textContent);
    });
  }
  var out = [];
  var button = headings[column].querySelector('button');
  out.push('button ' + (button ? 'yes' : 'no'));
  button.click();
  out.push('first ' + headings[column].getAttribute('aria-sort') + ' ' + hits().join(' '));
  button.click();
  out.push('second ' + headings[column].getAttribute('aria-sort') + ' ' + hits().join(' '));
  out.push('foot ' + table.tFoot.rows[0].cells[0].textContent);
  // At 360 pixels the page does not scroll sideways, and every link and
  // button is at least 9 mm (34 CSS pixels) high.
  out.push('width ' + document.documentElement.scrollWidth);
  var small = Array.prototype.filter.call(document.querySelectorAll('a, button'), function (e) {
    return e.getBoundingClientRect().height < 34;
  });
  out.push('small ' + small.length);
  var top = window.parent.document;
  var pre = top.createElement('pre');
  pre.id = 'probe';
  pre.textContent = out.join('\n');
  top.body.appendChild(pre);
});
JS
sed 's|</body>|<script src="probe.js" defer></script></body>|' "$work/site/stats.html" > "$work/site/probe.html"
cp "$work/probe.js" "$work/site/probe.js"
# A frame 360 pixels wide holds the page (a headless window is wider);
# pages of one folder may reach each other only when file access is allowed.
cat > "$work/site/frame.html" <<'HTML'
<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>probe</title></head>
<body style="margin:0"><iframe src="probe.html" title="probe" style="width:360px;height:800px;border:0"></iframe></body></html>
HTML
"$browser" --headless --no-sandbox --disable-gpu --enable-logging=stderr --v=0 \
  --allow-file-access-from-files --virtual-time-budget=5000 \
  --dump-dom "file://$work/site/frame.html" > "$work/dom.html" 2> "$work/log.txt" || true
if grep -q "Uncaught" "$work/log.txt"; then
  echo "a script error on the page:"
  grep "Uncaught" "$work/log.txt"
  exit 1
fi
result=$(sed -n '/<pre id="probe">/,/<\/pre>/p' "$work/dom.html")
echo "$result"
echo "$result" | grep -q "button yes" || { echo "the heading has no sort button"; exit 1; }
first=$(echo "$result" | sed -n 's/.*first \([a-z]*\) \(.*\)/\1 \2/p')
second=$(echo "$result" | sed -n 's/.*second \([a-z]*\) \(.*\)/\1 \2/p')
case $first in descending*) ;; *) echo "first click: not descending"; exit 1 ;; esac
case $second in ascending*) ;; *) echo "second click: not ascending"; exit 1 ;; esac
sorted_down=$(echo "${first#descending }" | tr ' ' '\n' | sort -g -r | tr '\n' ' ' | sed 's/ $//')
sorted_up=$(echo "${second#ascending }" | tr ' ' '\n' | sort -g | tr '\n' ' ' | sed 's/ $//')
[ "${first#descending }" = "$sorted_down" ] || { echo "first click: rows out of order"; exit 1; }
[ "${second#ascending }" = "$sorted_up" ] || { echo "second click: rows out of order"; exit 1; }
echo "$result" | grep -q "foot TEAM TOTALS" || { echo "the totals row moved"; exit 1; }
width=$(echo "$result" | sed -n 's/^width //p')
[ -n "$width" ] && [ "$width" -le 360 ] || { echo "the page scrolls sideways ($width pixels)"; exit 1; }
small=$(echo "$result" | sed -n 's/^small \([0-9]*\).*/\1/p')
[ "$small" = 0 ] || { echo "$small links or buttons under 9 mm"; exit 1; }
echo "sorted"
