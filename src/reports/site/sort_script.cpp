#include "reports/site/site_resources.h"

namespace scorewick::site {

// Each heading of a sortable table becomes a button.  A first click puts
// the largest figure first (names: A to Z), the next reverses; blank
// cells stay last either way; rows of equal value keep their order.  The
// heading sorted by says so with aria-sort.  The totals in the table's foot
// never move.
std::string_view SortScript() {
  return R"js((function () {
  'use strict';
  function key(cell) {
    var text = cell.getAttribute('data-sort');
    if (text === null) text = cell.textContent;
    text = text.trim();
    if (text === '') return { blank: true };
    if (/^-?(\d+\.?\d*|\.\d+)%?$/.test(text)) return { number: parseFloat(text) };
    return { text: text.toLowerCase() };
  }
  function compare(a, b) {
    if (a.number !== undefined && b.number !== undefined) return a.number - b.number;
    if (a.number !== undefined) return -1;
    if (b.number !== undefined) return 1;
    return a.text < b.text ? -1 : a.text > b.text ? 1 : 0;
  }
  function sortBy(table, column, heading) {
    var body = table.tBodies[0];
    var rows = Array.prototype.slice.call(body.rows);
    var numeric = heading.classList.contains('num');
    var current = heading.getAttribute('aria-sort');
    var descending = current ? current === 'ascending' : numeric;
    var keyed = rows.map(function (row, index) {
      return { row: row, index: index, key: key(row.cells[column]) };
    });
    keyed.sort(function (x, y) {
      if (x.key.blank || y.key.blank) {
        if (x.key.blank && y.key.blank) return x.index - y.index;
        return x.key.blank ? 1 : -1;
      }
      var order = compare(x.key, y.key);
      if (descending) order = -order;
      return order !== 0 ? order : x.index - y.index;
    });
    keyed.forEach(function (k) { body.appendChild(k.row); });
    Array.prototype.forEach.call(table.tHead.rows[0].cells, function (th) {
      th.removeAttribute('aria-sort');
    });
    heading.setAttribute('aria-sort', descending ? 'descending' : 'ascending');
  }
  function prepare(table) {
    if (!table.tHead || !table.tBodies.length) return;
    Array.prototype.forEach.call(table.tHead.rows[0].cells, function (heading, column) {
      var button = document.createElement('button');
      button.type = 'button';
      while (heading.firstChild) button.appendChild(heading.firstChild);
      heading.appendChild(button);
      button.addEventListener('click', function () { sortBy(table, column, heading); });
    });
  }
  Array.prototype.forEach.call(document.querySelectorAll('table.sortable'), prepare);
})();
)js";
}

}  // namespace scorewick::site
