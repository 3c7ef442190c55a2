// Writes the HTML checker's name lists into data/Program/Dir/Html/ and
// data/Program/Dir/Attributes/ from the npm data packages pinned beside this script:
//
//   npm ci --prefix scripts/html-lists && node scripts/html-lists/make-html-lists.mjs
//
// Both folders belong to this script: it empties them and writes every file anew, so a
// name a newer package drops leaves no file behind. Commit what it writes.
//
// Every file is one name per line, each line ended by CR LF, no byte-order mark. The names
// are plain ASCII, so the bytes are the same in Windows-1252, the code page the program
// reads a list in when it has no byte-order mark. Lines are sorted, ignoring case first,
// and a name is written once whatever its case, as the program's lists look names up
// ignoring case.
//
// Html/
//   UdenSlutkode.txt  tags without an end tag: html-void-elements
//   MedSlutkode.txt   tags with an end tag: every other name of html-tag-names
//   AlleKoder.txt     both
//   Ekskluderet.txt   names the reading skips: none today (the SVG and MathML elements are
//                     read as such inside <svg> and <math>), kept for the program's own use
//   ValgfriSlutkode.txt  elements whose end tag a page may leave out
//   ValgfriStartkode.txt elements whose start tag a page may leave out
//   Lukkes/<tag>.txt  for each element that a start tag closes when it is open: those start
//                     tags (an <li> closes an open li, a <div> an open p, ...); "#text"
//                     stands for text that is not white space
//   Raatekst.txt      elements whose content is text up to their own end tag: the raw text
//                     and escapable raw text elements and the legacy ones parsed alike
//   Saerlige.txt      the "special" elements: an end tag of another name that is no special
//                     element itself never closes past one of them
//   Omfang.txt        the elements an end tag of a special element does not close past
//   Omfang/<tag>.txt  the same for the special elements whose end tag has a scope of its own
//   Gennemsigtige.txt special elements that a start tag's implied closing looks past
//   Fremmede.txt      the start tags that begin SVG (a name of Svg.txt) or MathML
//   Svg.txt, MathML.txt  the element names inside <svg> and <math> (svg-tag-names,
//                     mathml-tag-names)
//   Integration.txt   SVG and MathML elements whose children are HTML again
// Attributes/
//   <tag>.txt         one per name of AlleKoder.txt: the tag's own attributes
//                     (html-element-attributes), the global attributes (its "*"), the ARIA
//                     attributes (role and aria-attributes) and the event handlers
//                     (html-event-attributes) that are in neither file below, and the
//                     namespace attributes HTML allows (xmlns, xml:lang)
//   svg/<tag>.txt     one per SVG element, in lower case: its attributes
//                     (svg-element-attributes, with its "*"), ARIA, the event handlers and
//                     the namespaced attributes of foreign content
//   math/<tag>.txt    one per MathML element, in lower case: the MathML attributes of the
//                     table below, ARIA, the event handlers and the namespaced attributes
//   _formEvents.txt   event handlers whose event fires at a form or a form control
//   _mediaEvents.txt  event handlers whose event fires at an audio or video element
//   _undtagelser.txt  attributes that may stand without a value: those property-information
//                     marks boolean or overloaded boolean (disabled, checked, download, ...)
//   _forstavelser.txt beginnings that make an attribute name known on every tag (data-)
//
// Which element an event fires at comes from @webref/events: an event handler "onX" is a
// media event when some event of type X targets one of MEDIA_TARGETS, else a form event
// when one targets one of FORM_TARGETS. The checker allows the names of both files on
// every tag, so together with the per-tag files every tag accepts every event handler.
//
// No package holds the parsing rules of HTML, so the tables below are taken from the HTML
// standard (the living standard, "13 The HTML syntax"), each naming its section.

import {mkdirSync, rmSync, writeFileSync} from 'node:fs'
import {fileURLToPath} from 'node:url'
import webrefEvents from '@webref/events'
import {ariaAttributes} from 'aria-attributes'
import {htmlElementAttributes} from 'html-element-attributes'
import {htmlEventAttributes} from 'html-event-attributes'
import {htmlTagNames} from 'html-tag-names'
import {htmlVoidElements} from 'html-void-elements'
import {mathmlTagNames} from 'mathml-tag-names'
import {html as htmlSchema} from 'property-information'
import {svgElementAttributes} from 'svg-element-attributes'
import {svgTagNames} from 'svg-tag-names'

const MEDIA_TARGETS = new Set(['HTMLMediaElement'])
const FORM_TARGETS = new Set([
  'HTMLFormElement',
  'HTMLInputElement',
  'HTMLSelectElement',
  'HTMLTextAreaElement',
  'HTMLButtonElement'
])

const program = fileURLToPath(new URL('../../data/Program/', import.meta.url))
const htmlDir = program + 'Dir/Html/'
const attributeDir = program + 'Dir/Attributes/'

// One name per case-less key (the first spelling met), sorted by that key in code-unit
// order, so the order does not depend on the locale.
function nameList(names) {
  const byKey = new Map()
  for (const name of names) {
    if (!/^[\x21-\x7e]+$/.test(name))
      throw new Error(`"${name}" is no plain ASCII name without spaces`)
    const key = name.toLowerCase()
    if (!byKey.has(key)) byKey.set(key, name)
  }
  return [...byKey.keys()].sort().map((key) => byKey.get(key))
}

function writeList(folder, file, names) {
  writeFileSync(folder + file, nameList(names).map((name) => name + '\r\n').join(''), 'ascii')
}

function without(names, removed) {
  const keys = new Set([...removed].map((name) => name.toLowerCase()))
  return [...names].filter((name) => !keys.has(name.toLowerCase()))
}

// Event type -> the interfaces its events fire at, over every spec webref knows.
const eventTargets = new Map()
for (const event of await webrefEvents.listAll()) {
  const targets = eventTargets.get(event.type) ?? new Set()
  for (const {target} of event.targets) targets.add(target)
  eventTargets.set(event.type, targets)
}
const firesAt = (handler, interfaces) =>
  [...(eventTargets.get(handler.slice(2)) ?? [])].some((target) => interfaces.has(target))

const mediaEvents = htmlEventAttributes.filter((handler) => firesAt(handler, MEDIA_TARGETS))
const formEvents = without(htmlEventAttributes, mediaEvents).filter((handler) =>
  firesAt(handler, FORM_TARGETS)
)
const otherEvents = without(htmlEventAttributes, [...mediaEvents, ...formEvents])

const schemaAttributes = Object.values(htmlSchema.property)
const valuelessAttributes = schemaAttributes
  .filter((info) => info.boolean || info.overloadedBoolean)
  .map((info) => info.attribute)
const aria = ['role', ...ariaAttributes]

// 13.1.2.4 Optional tags: the elements whose end tag may be omitted, and what may follow
// each of them when it is. An end tag that closes the parent is always such a follower
// (the reading closes these elements at their parent's end tag), so a list names the start
// tags only: the following siblings the section names, and the start tags that begin the
// parent's next sibling (a <tr> ends the cell before it, as the cell is then the last content
// of its row).
const BLOCKS_AFTER_P = [
  'address', 'article', 'aside', 'blockquote', 'details', 'dialog', 'div', 'dl', 'fieldset',
  'figcaption', 'figure', 'footer', 'form', 'h1', 'h2', 'h3', 'h4', 'h5', 'h6', 'header',
  'hgroup', 'hr', 'main', 'menu', 'nav', 'ol', 'p', 'pre', 'search', 'section', 'table', 'ul'
]
// 4.2.1 The head element: its content. The head's end tag may be left out before anything
// else (13.1.2.4: "if the head element is not immediately followed by ASCII whitespace or a
// comment"); the parser then closes the head (13.2.6.4.4 "in head").
const HEAD_CONTENT = [
  'base', 'basefont', 'bgsound', 'link', 'meta', 'noframes', 'noscript', 'script', 'style',
  'template', 'title'
]
const CELL_ENDS = ['td', 'th', 'tr', 'tbody', 'thead', 'tfoot']
const htmlElements = nameList([...htmlTagNames, ...htmlVoidElements])
const CLOSED_BY = {
  html: [],
  // "#text" stands for text that is not white space, which ends the head too.
  head: [...without(htmlElements, [...HEAD_CONTENT, 'head', 'html']), '#text'],
  body: [],
  li: ['li'],
  dt: ['dt', 'dd'],
  dd: ['dd', 'dt'],
  p: BLOCKS_AFTER_P,
  rt: ['rt', 'rp'],
  rp: ['rt', 'rp'],
  optgroup: ['optgroup'],
  option: ['option', 'optgroup'],
  // "if the colgroup element is not immediately followed by ASCII whitespace or a comment":
  // everything but its own content closes it.
  colgroup: without(htmlElements, ['col', 'template']),
  // 13.2.6.4.11 "in caption": the start tags that end a caption.
  caption: ['caption', 'col', 'colgroup', 'tbody', 'td', 'tfoot', 'th', 'thead', 'tr'],
  thead: ['tbody', 'tfoot'],
  tbody: ['tbody', 'tfoot'],
  tfoot: [],
  tr: ['tr', 'tbody', 'thead', 'tfoot'],
  td: CELL_ENDS,
  th: CELL_ENDS
}
// 13.1.2.4 Optional tags: the elements whose start tag may be omitted; an end tag of one of
// them closes the element the parser made in its place.
const START_OPTIONAL = ['html', 'head', 'body', 'colgroup', 'tbody']
// 13.2.6.4.7 "in body": start tags that close an open element of their own name although
// its end tag is required (an <a> inside an <a>, a <button> inside a <button>); the element
// closed so lacks its end tag.
const CLOSES_ITS_OWN = ['a', 'button', 'nobr']

// 13.1.2 Elements: raw text elements (script, style) and escapable raw text elements
// (textarea, title); 13.2.6.4.7 "in body" reads xmp, iframe, noembed, noframes and, with
// scripting enabled as in every browser, noscript the same way, and plaintext to the end.
const RAW_TEXT = [
  'script', 'style', 'textarea', 'title', 'xmp', 'iframe', 'noembed', 'noframes', 'noscript',
  'plaintext'
]
// 13.2.4.2 The stack of open elements: the special category (HTML elements), and the
// elements that bound "has an element in scope".
const SPECIAL = [
  'address', 'applet', 'area', 'article', 'aside', 'base', 'basefont', 'bgsound', 'blockquote',
  'body', 'br', 'button', 'caption', 'center', 'col', 'colgroup', 'dd', 'details', 'dir', 'div',
  'dl', 'dt', 'embed', 'fieldset', 'figcaption', 'figure', 'footer', 'form', 'frame',
  'frameset', 'h1', 'h2', 'h3', 'h4', 'h5', 'h6', 'head', 'header', 'hgroup', 'hr', 'html',
  'iframe', 'img', 'input', 'keygen', 'li', 'link', 'listing', 'main', 'marquee', 'menu',
  'meta', 'nav', 'noembed', 'noframes', 'noscript', 'object', 'ol', 'p', 'param', 'plaintext',
  'pre', 'script', 'search', 'section', 'select', 'source', 'style', 'summary', 'table',
  'tbody', 'td', 'template', 'textarea', 'tfoot', 'th', 'thead', 'title', 'tr', 'track', 'ul',
  'wbr', 'xmp'
]
const SCOPE = ['applet', 'caption', 'html', 'table', 'td', 'th', 'marquee', 'object', 'template']
// The end tags that look in a scope of their own: list item scope (li), button scope (p) and
// table scope (the end tags of a table's parts, which close an open cell or row on their way,
// 13.2.6.4.13 "in row" and 13.2.6.4.14 "in cell").
const TABLE_SCOPE = ['html', 'table', 'template']
const SCOPE_OF = {
  li: [...SCOPE, 'ol', 'ul'],
  p: [...SCOPE, 'button'],
  table: TABLE_SCOPE,
  tbody: TABLE_SCOPE,
  thead: TABLE_SCOPE,
  tfoot: TABLE_SCOPE,
  tr: TABLE_SCOPE
}
// 13.2.6.4.7 "in body", the start tags li, dd and dt: the special elements the search for an
// open element to close looks past.
const LOOKED_PAST = ['address', 'div', 'p']
// 13.2.6.4.7 "in body": the start tags that begin foreign content, SVG and MathML.
const FOREIGN_ROOTS = ['svg', 'math']
// 13.2.6.5 The rules for parsing tokens in foreign content: the HTML integration points and
// MathML text integration points, whose children are HTML.
const INTEGRATION = ['foreignObject', 'desc', 'title', 'mi', 'mo', 'mn', 'ms', 'mtext',
  'annotation-xml']
// 13.2.6.1 "adjust foreign attributes": the namespaced attributes of SVG and MathML
// elements. HTML elements allow xmlns and xml:lang (13.1.2.3, 3.2.6.2).
const FOREIGN_NAMESPACED = [
  'xlink:actuate', 'xlink:arcrole', 'xlink:href', 'xlink:role', 'xlink:show', 'xlink:title',
  'xlink:type', 'xml:lang', 'xml:space', 'xmlns', 'xmlns:xlink'
]
const HTML_NAMESPACED = ['xmlns', 'xml:lang']
// 3.2.6.6 Embedding custom non-visible data with the data-* attributes.
const PREFIXES = ['data-']
// No package lists MathML's attributes: those of MathML Core (2.1.3 Global attributes and
// the section of each element), with the MathML 3 presentation attributes that pages still
// write and browsers read.
const MATHML_GLOBAL = [
  'class', 'dir', 'displaystyle', 'href', 'id', 'mathbackground', 'mathcolor', 'mathsize',
  'mathvariant', 'nonce', 'scriptlevel', 'style', 'tabindex', 'autofocus', 'other',
  'xref', 'definitionURL', 'encoding'
]
const MATHML_ATTRIBUTES = {
  math: ['display', 'alttext', 'altimg', 'overflow', 'width'],
  mfrac: ['linethickness', 'numalign', 'denomalign', 'bevelled'],
  mo: ['form', 'fence', 'separator', 'lspace', 'rspace', 'stretchy', 'symmetric', 'maxsize',
    'minsize', 'largeop', 'movablelimits', 'accent', 'linebreak'],
  mspace: ['width', 'height', 'depth', 'linebreak'],
  mpadded: ['width', 'height', 'depth', 'lspace', 'voffset'],
  mover: ['accent', 'align'],
  munder: ['accentunder', 'align'],
  munderover: ['accent', 'accentunder', 'align'],
  mtable: ['align', 'columnalign', 'columnlines', 'columnspacing', 'columnwidth', 'equalcolumns',
    'equalrows', 'frame', 'framespacing', 'rowalign', 'rowlines', 'rowspacing', 'width'],
  mtr: ['columnalign', 'rowalign'],
  mtd: ['columnalign', 'columnspan', 'rowalign', 'rowspan'],
  ms: ['lquote', 'rquote'],
  menclose: ['notation'],
  mfenced: ['open', 'close', 'separators'],
  maction: ['actiontype', 'selection'],
  mglyph: ['src', 'alt', 'width', 'height', 'valign'],
  mstyle: ['scriptminsize', 'scriptsizemultiplier', 'infixlinebreakstyle', 'decimalpoint'],
  annotation: ['src'],
  'annotation-xml': ['src'],
  mmultiscripts: ['subscriptshift', 'superscriptshift'],
  msub: ['subscriptshift'],
  msup: ['superscriptshift'],
  msubsup: ['subscriptshift', 'superscriptshift']
}

const everyTag = [...htmlElementAttributes['*'], ...aria, ...otherEvents, ...HTML_NAMESPACED]
const everyForeign = [...aria, ...htmlEventAttributes, ...FOREIGN_NAMESPACED]

for (const tag of [...Object.keys(CLOSED_BY), ...START_OPTIONAL, ...CLOSES_ITS_OWN, ...RAW_TEXT, ...SPECIAL,
  ...SCOPE, ...LOOKED_PAST, ...FOREIGN_ROOTS,
  ...Object.keys(SCOPE_OF)])
  if (!htmlElements.includes(tag)) throw new Error(`"${tag}" is no HTML element`)

rmSync(htmlDir, {recursive: true, force: true})
rmSync(attributeDir, {recursive: true, force: true})
mkdirSync(htmlDir + 'Lukkes/', {recursive: true})
mkdirSync(htmlDir + 'Omfang/', {recursive: true})
mkdirSync(attributeDir + 'svg/', {recursive: true})
mkdirSync(attributeDir + 'math/', {recursive: true})

writeList(htmlDir, 'UdenSlutkode.txt', htmlVoidElements)
writeList(htmlDir, 'MedSlutkode.txt', without(htmlTagNames, htmlVoidElements))
writeList(htmlDir, 'AlleKoder.txt', htmlElements)
writeList(htmlDir, 'Ekskluderet.txt', [])
writeList(htmlDir, 'ValgfriSlutkode.txt', Object.keys(CLOSED_BY))
writeList(htmlDir, 'ValgfriStartkode.txt', START_OPTIONAL)
const closedBy = Object.entries(CLOSED_BY).filter(([, closers]) => closers.length)
for (const [tag, closers] of closedBy) writeList(htmlDir + 'Lukkes/', tag + '.txt', closers)
for (const tag of CLOSES_ITS_OWN) writeList(htmlDir + 'Lukkes/', tag + '.txt', [tag])
writeList(htmlDir, 'Raatekst.txt', RAW_TEXT)
writeList(htmlDir, 'Saerlige.txt', SPECIAL)
writeList(htmlDir, 'Omfang.txt', SCOPE)
for (const [tag, scope] of Object.entries(SCOPE_OF)) writeList(htmlDir + 'Omfang/', tag + '.txt', scope)
writeList(htmlDir, 'Gennemsigtige.txt', LOOKED_PAST)
writeList(htmlDir, 'Fremmede.txt', FOREIGN_ROOTS)
writeList(htmlDir, 'Svg.txt', svgTagNames)
writeList(htmlDir, 'MathML.txt', mathmlTagNames)
writeList(htmlDir, 'Integration.txt', INTEGRATION)

for (const tag of htmlElements)
  writeList(attributeDir, tag + '.txt', [...(htmlElementAttributes[tag] ?? []), ...everyTag])
const svgElements = nameList([...svgTagNames, ...Object.keys(svgElementAttributes)]).filter(
  (tag) => tag !== '*'
)
for (const tag of svgElements)
  writeList(attributeDir + 'svg/', tag.toLowerCase() + '.txt', [
    ...(svgElementAttributes[tag] ?? []),
    ...svgElementAttributes['*'],
    ...everyForeign
  ])
for (const tag of nameList(mathmlTagNames))
  writeList(attributeDir + 'math/', tag.toLowerCase() + '.txt', [
    ...(MATHML_ATTRIBUTES[tag] ?? []),
    ...MATHML_GLOBAL,
    ...everyForeign
  ])
writeList(attributeDir, '_formEvents.txt', formEvents)
writeList(attributeDir, '_mediaEvents.txt', mediaEvents)
writeList(attributeDir, '_undtagelser.txt', valuelessAttributes)
writeList(attributeDir, '_forstavelser.txt', PREFIXES)

console.log(
  `${htmlElements.length} tags, ${closedBy.length + CLOSES_ITS_OWN.length} closing lists, ` +
    `${svgElements.length} SVG and ${mathmlTagNames.length} MathML elements, ` +
    `${formEvents.length} form and ${mediaEvents.length} media events, ` +
    `${valuelessAttributes.length} attributes without a value`
)
