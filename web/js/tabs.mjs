// The three parts as tabs: a click or Enter/Space chooses one; the arrow keys,
// Home and End move between them (the ARIA tabs pattern).

export function installTabs(tablist, onShow) {
  const tabs = [...tablist.querySelectorAll('[role="tab"]')];

  function select(tab, focus) {
    for (const t of tabs) {
      const chosen = t === tab;
      t.setAttribute('aria-selected', String(chosen));
      t.tabIndex = chosen ? 0 : -1;
      document.getElementById(t.getAttribute('aria-controls')).hidden = !chosen;
    }
    if (focus) tab.focus();
    onShow(tab.id);
  }

  tablist.addEventListener('click', (event) => {
    const tab = event.target.closest('[role="tab"]');
    if (tab) select(tab, false);
  });
  tablist.addEventListener('keydown', (event) => {
    const at = tabs.indexOf(document.activeElement);
    if (at < 0) return;
    const next = { ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: tabs.length - 1 }[event.key];
    if (next === undefined) return;
    event.preventDefault();
    select(tabs[(next + tabs.length) % tabs.length], true);
  });

  return {
    show: (id) => select(document.getElementById(id), false),
    current: () => tabs.find((t) => t.getAttribute('aria-selected') === 'true').id,
  };
}
