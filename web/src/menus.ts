// The menu bar: the window's menus with the core's captions, states and keys, as an ARIA
// menubar that works with the mouse, touch and the keyboard.

import type { Menu, MenuItem } from "./core-api";
import { h } from "./dom";

export class MenuBar {
  readonly element = h("div", { role: "menubar", class: "menubar" });
  private shown = "";
  private open: HTMLElement | null = null; // the top-level item whose menu is open
  private returnFocus: HTMLElement | null = null; // where the focus was before the bar took it

  constructor(private readonly onItem: (id: string) => void) {
    this.element.addEventListener("keydown", (event) => this.onKey(event));
    document.addEventListener("pointerdown", (event) => {
      if (this.open && !this.element.contains(event.target as Node)) this.closeAll();
    });
  }

  get isOpen(): boolean {
    return this.open !== null;
  }

  /** Rebuilds the bar when the menus differ from what it shows. */
  show(menus: Menu[]): void {
    const signature = JSON.stringify(menus);
    if (signature === this.shown) return;
    const reopen = this.open?.dataset.id;
    this.shown = signature;
    this.closeAll();
    this.element.replaceChildren(...menus.map((menu, index) => this.topItem(menu, index === 0)));
    if (reopen) {
      const top = this.element.querySelector<HTMLElement>(`[data-id="${CSS.escape(reopen)}"]`);
      if (top) this.openMenu(top, false);
    }
  }

  private topItem(menu: Menu, first: boolean): HTMLElement {
    const top = h(
      "div",
      {
        role: "menuitem",
        class: "menu-top",
        tabindex: first ? 0 : -1,
        "aria-haspopup": "menu",
        "aria-expanded": "false",
        "aria-disabled": !menu.enabled,
        "data-id": menu.id,
        id: `menu-${menu.id}`,
      },
      menu.caption,
    );
    const popup = this.popup(menu.items, top.id);
    const wrapper = h("div", { class: "menu-slot", role: "none" }, top, popup);
    top.addEventListener("click", () => {
      if (!menu.enabled) return;
      if (this.open === top) this.closeAll();
      else this.openMenu(top, false);
    });
    top.addEventListener("pointerenter", () => {
      if (this.open && this.open !== top && menu.enabled) this.openMenu(top, false);
    });
    return wrapper;
  }

  private popup(items: MenuItem[], labelledBy: string): HTMLElement {
    const popup = h("div", { role: "menu", class: "menu-popup", "aria-labelledby": labelledBy, hidden: true });
    for (const item of items) popup.append(this.item(item));
    return popup;
  }

  private item(item: MenuItem): HTMLElement {
    if (item.kind === "separator") return h("div", { role: "separator", class: "menu-separator" });
    const id = `menuitem-${item.id}`;
    const element = h(
      "div",
      {
        role: item.kind === "check" ? "menuitemcheckbox" : "menuitem",
        class: `menu-item kind-${item.kind}`,
        tabindex: -1,
        id,
        "data-id": item.id,
        "aria-label": item.caption,
        "aria-disabled": !item.enabled,
        "aria-checked": item.kind === "check" ? String(item.checked) : null,
        "aria-keyshortcuts": item.ariaKeys || null,
        "aria-haspopup": item.kind === "submenu" ? "menu" : null,
        "aria-expanded": item.kind === "submenu" ? "false" : null,
      },
      h("span", { class: "menu-check", "aria-hidden": "true" }, item.checked ? "✓" : ""),
      h("span", { class: "menu-caption", "aria-hidden": "true" }, item.caption),
      h("span", { class: "menu-keys", "aria-hidden": "true" }, item.keys[0] ?? ""),
    );
    if (item.kind === "submenu") {
      const popup = this.popup(item.items, id);
      popup.classList.add("menu-sub");
      const slot = h("div", { role: "none", class: "menu-sub-slot" }, element, popup);
      element.addEventListener("click", () => item.enabled && this.openSub(element, false));
      element.addEventListener("pointerenter", () => item.enabled && this.openSub(element, false));
      return slot;
    }
    element.addEventListener("pointerenter", () => this.closeSubsBeside(element));
    element.addEventListener("click", () => {
      if (!item.enabled) return;
      this.closeAll();
      this.giveFocusBack();
      this.onItem(item.id);
    });
    return element;
  }

  private openMenu(top: HTMLElement, focusFirst: boolean): void {
    const focused = document.activeElement;
    if (!this.open && focused instanceof HTMLElement && !this.element.contains(focused)) {
      this.returnFocus = focused;
    }
    this.closeAll();
    this.open = top;
    top.setAttribute("aria-expanded", "true");
    const popup = top.nextElementSibling as HTMLElement;
    popup.hidden = false;
    this.roveTo(top);
    if (focusFirst) this.focusIn(popup, 0);
    else top.focus();
  }

  private openSub(item: HTMLElement, focusFirst: boolean): void {
    this.closeSubsBeside(item);
    item.setAttribute("aria-expanded", "true");
    const popup = item.nextElementSibling as HTMLElement;
    popup.hidden = false;
    if (focusFirst) this.focusIn(popup, 0);
  }

  /** Closes the submenus of the menu that holds `item` (pointing at a sibling closes them). */
  private closeSubsBeside(item: HTMLElement): void {
    const menu = item.closest('[role="menu"]');
    if (!menu) return;
    for (const sub of menu.querySelectorAll<HTMLElement>(":scope > .menu-sub-slot > [aria-expanded]")) {
      if (sub === item) continue;
      sub.setAttribute("aria-expanded", "false");
      (sub.nextElementSibling as HTMLElement).hidden = true;
    }
  }

  closeAll(): void {
    for (const expanded of this.element.querySelectorAll<HTMLElement>('[aria-expanded="true"]')) {
      expanded.setAttribute("aria-expanded", "false");
      (expanded.nextElementSibling as HTMLElement).hidden = true;
    }
    this.open = null;
  }

  /** After a command, the focus goes back to where the user was (the grid, the letters). */
  private giveFocusBack(): void {
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back?.isConnected) back.focus({ preventScroll: true });
    else (document.activeElement as HTMLElement | null)?.blur();
  }

  private roveTo(top: HTMLElement): void {
    for (const other of this.tops()) other.tabIndex = other === top ? 0 : -1;
  }

  private tops(): HTMLElement[] {
    return [...this.element.querySelectorAll<HTMLElement>(".menu-top")];
  }

  private itemsOf(menu: Element): HTMLElement[] {
    return [...menu.querySelectorAll<HTMLElement>(":scope > [role^=menuitem], :scope > .menu-sub-slot > [role=menuitem]")];
  }

  private focusIn(menu: HTMLElement, index: number): void {
    const items = this.itemsOf(menu);
    if (items.length === 0) return;
    items[(index + items.length) % items.length]!.focus();
  }

  private onKey(event: KeyboardEvent): void {
    const target = event.target as HTMLElement;
    const isTop = target.classList.contains("menu-top");
    const menu = target.closest<HTMLElement>('[role="menu"]');
    const tops = this.tops();
    const topOf = (element: HTMLElement) =>
      element.closest(".menu-slot")?.querySelector<HTMLElement>(".menu-top") ?? null;
    const stepTop = (delta: number) => {
      const current = topOf(target);
      if (!current) return;
      const next = tops[(tops.indexOf(current) + delta + tops.length) % tops.length]!;
      if (this.open) this.openMenu(next, true);
      else {
        this.roveTo(next);
        next.focus();
      }
    };
    let handled = true;
    switch (event.key) {
      case "ArrowRight":
        if (menu && target.getAttribute("aria-haspopup") === "menu") this.openSub(target, true);
        else stepTop(+1);
        break;
      case "ArrowLeft":
        if (menu?.classList.contains("menu-sub")) {
          const parent = menu.previousElementSibling as HTMLElement;
          parent.setAttribute("aria-expanded", "false");
          menu.hidden = true;
          parent.focus();
        } else stepTop(-1);
        break;
      case "ArrowDown":
      case "ArrowUp": {
        const delta = event.key === "ArrowDown" ? 1 : -1;
        if (isTop) this.openMenu(target, true);
        else if (menu) {
          const items = this.itemsOf(menu);
          this.focusIn(menu, items.indexOf(target) + delta);
        }
        break;
      }
      case "Enter":
      case " ":
        target.click();
        if (isTop && this.open) this.focusIn(target.nextElementSibling as HTMLElement, 0);
        else if (target.getAttribute("aria-haspopup") === "menu" && menu) this.openSub(target, true);
        break;
      case "Escape": {
        const top = topOf(target);
        const wasOpen = this.open !== null;
        this.closeAll();
        if (wasOpen) top?.focus();
        else this.giveFocusBack();
        break;
      }
      case "Tab":
        this.closeAll();
        handled = false;
        break;
      default:
        handled = false;
    }
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  }
}
