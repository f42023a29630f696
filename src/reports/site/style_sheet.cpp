#include "reports/site/site_resources.h"

namespace scorewick::site {

// Sizes in rem against the browser's 16 pixels: 2.25rem is 36 CSS pixels,
// above 9 mm at the 96 pixels an inch CSS counts, for every tap target.
std::string_view StyleSheet() {
  return R"css(html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body {
  margin: 0;
  font: 1rem/1.5 system-ui, -apple-system, "Segoe UI", Roboto, "Liberation Sans", Arial, sans-serif;
  color: #1b1b1b;
  background: #ffffff;
}
header { background: #0d3b66; color: #ffffff; padding: 0.5rem 1rem; }
header a { color: #ffffff; }
.site { margin: 0; font-size: 1.2rem; font-weight: bold; }
.site a { display: inline-block; min-height: 2.25rem; line-height: 2.25rem; text-decoration: none; }
nav ul { list-style: none; margin: 0.25rem 0 0; padding: 0; display: flex; flex-wrap: wrap; gap: 0.25rem; }
nav a {
  display: inline-block; min-height: 2.25rem; line-height: 2.25rem; padding: 0 0.75rem;
  border-radius: 0.25rem; text-decoration: none; background: #1d5a94;
}
nav a[aria-current="page"] { background: #ffffff; color: #0d3b66; }
main { max-width: 72rem; margin: 0 auto; padding: 1rem; }
footer { max-width: 72rem; margin: 0 auto; padding: 0 1rem 1rem; color: #4a4a4a; font-size: 0.875rem; }
h1 { font-size: 1.6rem; line-height: 1.25; margin: 0.5rem 0 1rem; }
h2 { font-size: 1.3rem; margin: 1.5rem 0 0.5rem; }
h3 { font-size: 1.1rem; margin: 1rem 0 0.5rem; }
a { color: #0b4f8a; }
a:focus-visible, button:focus-visible, .scroll:focus-visible { outline: 3px solid #d98b00; outline-offset: 2px; }
p, ul, ol { max-width: 45rem; }
.record { font-size: 1.2rem; font-weight: bold; }
.scroll { overflow-x: auto; max-width: 100%; margin: 0 0 1.5rem; }
table { border-collapse: collapse; white-space: nowrap; font-variant-numeric: tabular-nums; }
caption { text-align: left; font-weight: bold; padding: 0.25rem 0; white-space: normal; }
th, td { padding: 0.25rem 0.5rem; border-bottom: 1px solid #c9d1da; text-align: left; }
.num { text-align: right; }
thead th { background: #e6edf5; vertical-align: bottom; }
tbody tr:nth-child(even) { background: #f4f7fa; }
tbody th { font-weight: normal; }
tfoot th, tfoot td { font-weight: bold; border-top: 2px solid #1b1b1b; }
td a, th a { display: inline-block; min-height: 2.25rem; min-width: 2.25rem; line-height: 2.25rem; }
main p a { display: inline-block; min-height: 2.25rem; line-height: 2.25rem; }
abbr[title] { text-decoration: none; cursor: help; }
th button {
  font: inherit; font-weight: bold; color: inherit; background: none; border: 0; padding: 0 0.25rem;
  min-height: 2.25rem; min-width: 2.25rem; cursor: pointer;
}
th[aria-sort="ascending"] button::after { content: " \25B2"; }
th[aria-sort="descending"] button::after { content: " \25BC"; }
.list li { margin: 0.25rem 0; }
.list a { display: inline-block; min-height: 2.25rem; line-height: 2.25rem; }
.leaders { display: flex; flex-wrap: wrap; gap: 0 1.5rem; }
.leaders .scroll { margin-bottom: 1rem; }
figure { margin: 0 0 1.5rem; }
figcaption { max-width: 45rem; }
svg.chart { width: 100%; max-width: 24rem; height: auto; display: block; }
.notes li, .plays li { margin: 0.125rem 0; }
@media (max-width: 30rem) {
  main { padding: 0.5rem; }
  h1 { font-size: 1.35rem; }
  th, td { padding: 0.25rem 0.375rem; }
}
)css";
}

}  // namespace scorewick::site
