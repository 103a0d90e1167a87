// Small helpers for building elements: the page is plain DOM, no framework.

export type Attributes = Record<string, string | number | boolean | null | undefined>;

/** An element with attributes (null, undefined and false leave one out) and children. */
export function h<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Attributes = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  setAttributes(element, attributes);
  element.append(...children);
  return element;
}

export function setAttributes(element: Element, attributes: Attributes): void {
  for (const [name, value] of Object.entries(attributes)) {
    setAttribute(element, name, value);
  }
}

/** Sets or removes one attribute, touching the DOM only when the value differs. */
export function setAttribute(element: Element, name: string, value: Attributes[string]): void {
  if (value === null || value === undefined || value === false) {
    if (element.hasAttribute(name)) element.removeAttribute(name);
    return;
  }
  const text = value === true ? "true" : String(value);
  if (element.getAttribute(name) !== text) element.setAttribute(name, text);
}

export function setText(element: Element, text: string): void {
  if (element.textContent !== text) element.textContent = text;
}

/** Paints RGBA pixels, row by row, onto a canvas of that size. */
export function paintPixels(
  canvas: HTMLCanvasElement,
  width: number,
  height: number,
  rgba: Uint8Array,
): void {
  if (canvas.width !== width) canvas.width = width;
  if (canvas.height !== height) canvas.height = height;
  const context = canvas.getContext("2d");
  if (!context || width === 0 || height === 0) return;
  const pixels = new Uint8ClampedArray(rgba.subarray(0, width * height * 4));
  context.putImageData(new ImageData(pixels, width, height), 0, 0);
}
