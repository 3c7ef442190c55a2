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
//   Ekskluderet.txt   names the reading skips: the SVG and MathML elements (svg-tag-names,
//                     mathml-tag-names) that are no HTML tag. They stand inside <svg> and
//                     <math>, are often written self-closing ("<path .../>") and would
//                     otherwise be read as HTML tags that are unknown and never closed.
// Attributes/
//   <tag>.txt         one per name of AlleKoder.txt: the tag's own attributes
//                     (html-element-attributes), the global attributes (its "*"), the ARIA
//                     attributes (role and aria-*, property-information) and the event
//                     handlers (html-event-attributes) that are in neither file below
//   _formEvents.txt   event handlers whose event fires at a form or a form control
//   _mediaEvents.txt  event handlers whose event fires at an audio or video element
//   _undtagelser.txt  attributes that may stand without a value: those property-information
//                     marks boolean or overloaded boolean (disabled, checked, download, ...)
//
// Which element an event fires at comes from @webref/events: an event handler "onX" is a
// media event when some event of type X targets one of MEDIA_TARGETS, else a form event
// when one targets one of FORM_TARGETS. The checker allows the names of both files on
// every tag, so together with the per-tag files every tag accepts every event handler.

import {mkdirSync, rmSync, writeFileSync} from 'node:fs'
import {fileURLToPath} from 'node:url'
import webrefEvents from '@webref/events'
import {htmlElementAttributes} from 'html-element-attributes'
import {htmlEventAttributes} from 'html-event-attributes'
import {htmlTagNames} from 'html-tag-names'
import {htmlVoidElements} from 'html-void-elements'
import {mathmlTagNames} from 'mathml-tag-names'
import {html as htmlSchema} from 'property-information'
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
const ariaAttributes = schemaAttributes
  .map((info) => info.attribute)
  .filter((name) => name === 'role' || name.startsWith('aria-'))
const valuelessAttributes = schemaAttributes
  .filter((info) => info.boolean || info.overloadedBoolean)
  .map((info) => info.attribute)

const everyTag = [...htmlElementAttributes['*'], ...ariaAttributes, ...otherEvents]
const foreignElements = nameList(without([...svgTagNames, ...mathmlTagNames], htmlTagNames))

rmSync(htmlDir, {recursive: true, force: true})
rmSync(attributeDir, {recursive: true, force: true})
mkdirSync(htmlDir, {recursive: true})
mkdirSync(attributeDir, {recursive: true})

writeList(htmlDir, 'UdenSlutkode.txt', htmlVoidElements)
writeList(htmlDir, 'MedSlutkode.txt', without(htmlTagNames, htmlVoidElements))
writeList(htmlDir, 'AlleKoder.txt', [...htmlTagNames, ...htmlVoidElements])
writeList(htmlDir, 'Ekskluderet.txt', foreignElements)

const tags = nameList([...htmlTagNames, ...htmlVoidElements])
for (const tag of tags)
  writeList(attributeDir, tag + '.txt', [...(htmlElementAttributes[tag] ?? []), ...everyTag])
writeList(attributeDir, '_formEvents.txt', formEvents)
writeList(attributeDir, '_mediaEvents.txt', mediaEvents)
writeList(attributeDir, '_undtagelser.txt', valuelessAttributes)

console.log(
  `${tags.length} tags, ${foreignElements.length} excluded names, ` +
    `${formEvents.length} form and ${mediaEvents.length} media events, ` +
    `${valuelessAttributes.length} attributes without a value`
)
