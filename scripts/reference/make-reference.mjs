// Writes the information viewer's reference topics into data/Program/Struktur/ from the npm
// data packages pinned beside this script and from our own Danish texts in tekster/:
//
//   npm ci --prefix scripts/reference && node scripts/reference/make-reference.mjs
//
// With --ud FOLDER the topics go to FOLDER instead (the tests compare two runs that way).
// With --ufuldstaendig an item without a description gets a page that says so, and the run
// lists every such item instead of failing; without it a missing description is an error.
//
// Each topic T ("information", "Eksempler", "CSS", "JavaScript", "VBS") is the file T.txt
// (the viewer only tests that it exists) and the folder T/ with
//   struktur.txt  the tree: one node a line, one TAB per level, CR LF; UTF-8 with a
//                 byte-order mark when a text holds a character outside Windows-1252,
//                 else Windows-1252
//   data.txt      one line a node: the image digit and the page name, ASCII, CR LF
//   tekstfiler/   the pages (page name + ".html") and their shared style, reference.css;
//                 the examples' own pages and pictures lie in "Design og funktioner/"
//   Billeder/     (examples only) each example as a browser shows it, made by
//                 make-example-pictures.mjs into tekster/eksempel-billeder/
// The script empties those folders and writes every file anew. Commit what it writes.
//
// Node texts are the words the editor's caret analysis passes (a tag, an attribute, a CSS
// property, a JavaScript or VBScript word), unique within a topic even when case is ignored,
// as the viewer looks a word up ignoring case. Two items whose names differ only in case, or
// an element and an attribute of the same name, share one node and one page.
//
// Where the data comes from:
//   HTML elements    data/Program/Dir/Html/AlleKoder.txt (the checker's tag list); end tag
//                    from html-void-elements; DOM interface, category (the chapter of the
//                    HTML standard that defines it) and the standard's address from
//                    @webref/elements; own attributes from html-element-attributes; status,
//                    addresses and browser support from @mdn/browser-compat-data
//   HTML attributes  every name in data/Program/Dir/Attributes; the elements that take one
//                    from html-element-attributes; support from @mdn/browser-compat-data
//   CSS              mdn-data's css/properties.json (status "standard", no "-" prefix):
//                    syntax, initial value, inheritance, what it applies to, groups; the
//                    value types from css/syntaxes.json; support from browser-compat-data
//   JavaScript       globals' builtin names, the keyword and strict words of
//                    @babel/helper-validator-identifier plus CONTEXT_WORDS, and globals'
//                    browser names that begin with a lower-case letter, not "on" or "webkit"
//   VBScript         the words of tekster/vbs.txt: the program's one list of them
//   Examples         tekster/eksempler/*.html, pages of our own, and their pictures

import {
  cpSync,
  existsSync,
  mkdirSync,
  readdirSync,
  readFileSync,
  rmSync,
  writeFileSync
} from 'node:fs'
import {createRequire} from 'node:module'
import {resolve} from 'node:path'
import {fileURLToPath} from 'node:url'
import bcd from '@mdn/browser-compat-data' with {type: 'json'}
import {isKeyword, isStrictReservedWord} from '@babel/helper-validator-identifier'
import webrefElements from '@webref/elements'
import globals from 'globals'
import {htmlElementAttributes} from 'html-element-attributes'
import {htmlVoidElements} from 'html-void-elements'
import cssProperties from 'mdn-data/css/properties.json' with {type: 'json'}
import cssSyntaxes from 'mdn-data/css/syntaxes.json' with {type: 'json'}
import {APPLIES_TO, GROUPS, HTML_CHAPTERS, INITIAL_KEYS} from './danske-noegler.mjs'

const incomplete = process.argv.includes('--ufuldstaendig')
const here = fileURLToPath(new URL('.', import.meta.url))
const program = fileURLToPath(new URL('../../data/Program/', import.meta.url))
const texts = here + 'tekster/'
const outFlag = process.argv.indexOf('--ud')
const strukturDir = outFlag > 0 ? resolve(process.argv[outFlag + 1]) + '/' : program + 'Struktur/'

const CONTEXT_WORDS = ['let', 'static', 'yield', 'await', 'async', 'of']
const BROWSERS = [
  ['chrome', 'Chrome'],
  ['edge', 'Edge'],
  ['firefox', 'Firefox'],
  ['safari', 'Safari']
]
// The roots of the languages HTML embeds, which their own standards define.
const FOREIGN_ROOTS = {
  svg: {spec: 'SVG2', compat: 'svg'},
  math: {spec: 'mathml-core', compat: 'mathml'}
}
const IMAGE = {root: 1, group: 0, page: 3, example: 5}

// ---------------------------------------------------------------- text helpers

const escapeHtml = (text) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;')
// Ignoring case first, then by code unit, so the order does not depend on the locale.
function byName(a, b) {
  const [lowerA, lowerB] = [a.toLowerCase(), b.toLowerCase()]
  if (lowerA !== lowerB) return lowerA < lowerB ? -1 : 1
  return a < b ? -1 : a > b ? 1 : 0
}
const unique = (names) => [...new Set(names)].sort(byName)
const readLines = (file) =>
  readFileSync(file, 'utf8')
    .replace(/^\uFEFF/, '')
    .split(/\r?\n/)

// Windows-1252's characters, read off the platform's own decoder.
const cp1252 = new Map()
{
  const decoder = new TextDecoder('windows-1252')
  for (let byte = 0; byte < 256; ++byte) cp1252.set(decoder.decode(Uint8Array.of(byte)), byte)
}
function encodeTreeFile(lines) {
  const text = lines.map((line) => line + '\r\n').join('')
  const chars = [...text]
  if (chars.every((c) => cp1252.has(c))) return Buffer.from(chars.map((c) => cp1252.get(c)))
  return Buffer.concat([Buffer.from([0xef, 0xbb, 0xbf]), Buffer.from(text, 'utf8')])
}

// ---------------------------------------------------------------- description files

// One entry a name: its paragraphs (each one string) and its example lines.
function readDescriptions(file) {
  const entries = new Map()
  if (!existsSync(file)) {
    if (incomplete) return entries
    throw new Error(`${file} is missing`)
  }
  let entry = null
  let paragraph = []
  const endParagraph = () => {
    if (entry && paragraph.length) entry.paragraphs.push(paragraph.join(' '))
    paragraph = []
  }
  readLines(file).forEach((line, index) => {
    const where = `${file}:${index + 1}`
    if (line.startsWith('#')) return
    if (line.startsWith('@ ')) {
      endParagraph()
      const name = line.slice(2).trim()
      if (entries.has(name)) throw new Error(`${where}: "${name}" is described twice`)
      entry = {paragraphs: [], example: []}
      entries.set(name, entry)
    } else if (line.startsWith('>')) {
      if (!entry) throw new Error(`${where}: an example before the first entry`)
      endParagraph()
      entry.example.push(line.replace(/^> ?/, ''))
    } else if (line.trim() === '') {
      endParagraph()
    } else {
      if (!entry) throw new Error(`${where}: text before the first entry`)
      if (entry.example.length) throw new Error(`${where}: text after the example`)
      paragraph.push(line.trim())
    }
  })
  endParagraph()
  for (const [name, {paragraphs}] of entries)
    if (!paragraphs.length) throw new Error(`${file}: "${name}" has no description`)
  return entries
}

const missing = []
// The descriptions of `names` from `file`; a name the file does not know is an error (or,
// incomplete, listed), and so is an entry for a name that is no item.
function descriptionsFor(file, names) {
  const entries = readDescriptions(texts + file)
  const known = new Set(names)
  for (const name of entries.keys())
    if (!known.has(name)) throw new Error(`${file}: "${name}" is no item of this topic`)
  const absent = names.filter((name) => !entries.has(name))
  if (absent.length && !incomplete)
    throw new Error(`${file} lacks ${absent.length} descriptions: ${absent.join(' ')}`)
  if (absent.length) missing.push(`${file}: ${absent.length} mangler: ${absent.join(' ')}`)
  return entries
}

function descriptionHtml(entry) {
  if (!entry) return '<p class="mangler">Beskrivelsen mangler endnu.</p>'
  let html = entry.paragraphs.map((text) => `<p>${escapeHtml(text)}</p>`).join('\n')
  if (entry.example.length)
    html += `\n<h2>Eksempel</h2>\n<pre>${escapeHtml(entry.example.join('\n'))}</pre>`
  return html
}

// ---------------------------------------------------------------- pages

const STYLE = `body { font-family: sans-serif; font-size: 10pt; color: #202020; margin: 8px; }
h1 { font-size: 16pt; color: #1f4e79; margin-bottom: 2px; }
h2 { font-size: 12pt; color: #1f4e79; margin-top: 14px; }
p.slags { color: #606060; margin-top: 0px; }
p.mangler { color: #a00000; }
pre { background-color: #f3f3ee; border: 1px solid #d0d0c8; padding: 6px; font-family: monospace; white-space: pre-wrap; }
code { font-family: monospace; color: #0b5394; }
table.fakta { border-collapse: collapse; margin-top: 6px; }
table.fakta th { background-color: #e8eef5; text-align: left; vertical-align: top; padding: 3px 8px; }
table.fakta td { vertical-align: top; padding: 3px 8px; }
table.oversigt td { padding: 1px 8px; vertical-align: top; }
p.sti { font-size: 9pt; color: #606060; }
div.resultat { border: 1px dashed #8090a0; padding: 8px; }
`

function page(title, kind, body, up) {
  const trail = up
    ? `<p class="sti"><a href="${up.key}.html">${escapeHtml(up.title)}</a></p>\n`
    : ''
  return `<!DOCTYPE html>
<html lang="da">
<head>
<meta charset="utf-8">
<title>${escapeHtml(title)}</title>
<link rel="stylesheet" type="text/css" href="reference.css">
</head>
<body>
${trail}<h1>${escapeHtml(title)}</h1>
${kind ? `<p class="slags">${escapeHtml(kind)}</p>\n` : ''}${body}
</body>
</html>
`
}

const link = (key, text) => `<a href="${key}.html">${escapeHtml(text)}</a>`
const factTable = (rows) =>
  '<table class="fakta">\n' +
  rows
    .filter(([, value]) => value)
    .map(([label, value]) => `<tr><th>${escapeHtml(label)}</th><td>${value}</td></tr>`)
    .join('\n') +
  '\n</table>'
const standardLinks = (urls) =>
  []
    .concat(urls ?? [])
    .map((url) => `<a href="${escapeHtml(url)}">${escapeHtml(url)}</a>`)
    .join('<br>')

function supportText(compat) {
  if (!compat) return ''
  return BROWSERS.map(([id, name]) => {
    const entry = [].concat(compat.support?.[id] ?? [])[0]
    const added = entry?.version_added
    let text = 'ukendt'
    if (added === false) text = 'nej'
    else if (added === 'preview') text = 'i prøveudgaven'
    else if (typeof added === 'string')
      text = added.startsWith('≤')
        ? `fra version ${added.slice(1)} eller før`
        : `fra version ${added}`
    else if (added === true) text = 'ja'
    if (entry?.flags) text += ' (kun med en indstilling slået til)'
    return `${name}: ${text}`
  }).join('<br>')
}
const statusText = (compat) =>
  compat?.status?.deprecated
    ? 'Forældet: brug det ikke i nye sider.'
    : compat?.status?.experimental
      ? 'På forsøgsstadiet.'
      : ''

// A topic: its tree (nested nodes), and the pages by key.
class Topic {
  constructor(name, title, rootTitle, intro) {
    this.name = name
    this.title = title
    this.pages = new Map()
    this.root = {text: rootTitle, key: 'forside', image: IMAGE.root, children: []}
    this.intro = intro
  }
  group(text, key, parent = this.root) {
    const node = {text, key, image: IMAGE.group, children: []}
    parent.children.push(node)
    return node
  }
  add(parent, text, key, image, html) {
    parent.children.push({text, key, image, children: []})
    this.pages.set(key, html)
  }
  write() {
    const folder = strukturDir + this.name + '/'
    const pages = folder + 'tekstfiler/'
    rmSync(folder, {recursive: true, force: true})
    mkdirSync(pages, {recursive: true})
    const groups = this.root.children
      .map((node) => `<li>${link(node.key, node.text)}</li>`)
      .join('\n')
    this.pages.set('forside', page(this.root.text, '', `${this.intro}\n<ul>\n${groups}\n</ul>`))
    const tree = []
    const data = []
    const seen = new Set()
    const walk = (node, depth) => {
      const key = node.text.toLowerCase()
      if (seen.has(key)) throw new Error(`${this.name}: the node "${node.text}" is there twice`)
      seen.add(key)
      if (!/^[\x21-\x7e]+$/.test(node.key)) throw new Error(`"${node.key}" is no plain page name`)
      tree.push('\t'.repeat(depth) + node.text)
      data.push(`${node.image}${node.key}`)
      node.children.forEach((child) => walk(child, depth + 1))
    }
    walk(this.root, 0)
    for (const [key, html] of this.pages) writeFileSync(pages + key + '.html', html)
    writeFileSync(pages + 'reference.css', STYLE)
    writeFileSync(folder + 'struktur.txt', encodeTreeFile(tree))
    writeFileSync(folder + 'data.txt', data.map((line) => line + '\r\n').join(''), 'ascii')
    writeFileSync(strukturDir + this.name + '.txt', encodeTreeFile([this.title]))
    return folder
  }
}

// A group's own page: every item of it with the first sentence of its description.
function groupPage(topic, node, intro, descriptions, members) {
  const rows = members
    .map(({name, key}) => {
      const first = descriptions(name)?.paragraphs[0].replace(/([.!?])\s.*$/, '$1') ?? ''
      return `<tr><td>${link(key, name)}</td><td>${escapeHtml(first)}</td></tr>`
    })
    .join('\n')
  topic.pages.set(
    node.key,
    page(
      node.text,
      '',
      `<p>${escapeHtml(intro)}</p>\n<table class="oversigt">\n${rows}\n</table>`,
      {
        key: 'forside',
        title: topic.root.text
      }
    )
  )
}

// ---------------------------------------------------------------- HTML

async function writeHtml() {
  const tags = unique(readLines(program + 'Dir/Html/AlleKoder.txt').filter(Boolean))
  const attributeDir = program + 'Dir/Attributes/'
  const attributes = unique(
    readdirSync(attributeDir, {withFileTypes: true})
      // The folders hold SVG's and MathML's own lists; "_forstavelser.txt" holds prefixes
      // ("data-"), not names.
      .filter((entry) => entry.isFile() && entry.name !== '_forstavelser.txt')
      .flatMap((entry) => readLines(attributeDir + entry.name).filter(Boolean))
  )
  const elementText = descriptionsFor('html-elementer.txt', tags)
  const attributeText = descriptionsFor('html-attributter.txt', attributes)
  const webref = new Map()
  const specs = await webrefElements.listAll()
  for (const element of specs.html.elements) webref.set(element.name, element)
  for (const [tag, {spec}] of Object.entries(FOREIGN_ROOTS))
    webref.set(
      tag,
      specs[spec].elements.find((element) => element.name === tag)
    )
  const voids = new Set(htmlVoidElements)
  const global = new Set(htmlElementAttributes['*'])
  const takenBy = new Map()
  for (const [tag, names] of Object.entries(htmlElementAttributes))
    if (tag !== '*')
      for (const name of names) takenBy.set(name, [...(takenBy.get(name) ?? []), tag])

  const topic = new Topic(
    'information',
    'Html information',
    'HTML-reference',
    '<p>Her står hvert element og hver attribut som programmets kodekontrol kender. ' +
      'Sæt markøren i en kode i et dokument og tryk Ctrl+Alt+H, så åbnes siden om den.</p>'
  )
  const up = {key: 'forside', title: topic.root.text}
  const elementNode = topic.group('Elementer', 'elementer')
  const attributeNode = topic.group('Attributter', 'attributter')
  const tagSet = new Set(tags.map((tag) => tag.toLowerCase()))
  // A ":" in a page's name would read as a link's scheme ("xml:lang").
  const pageKey = (name, isTag) =>
    (isTag ? 'element-' : 'attribut-') + name.toLowerCase().replaceAll(':', '-')

  // Each tag under the chapter of the standard that defines it (the page of its address
  // there), in the standard's order; several chapters may share one Danish heading.
  const chapterOf = (tag) =>
    FOREIGN_ROOTS[tag]
      ? 'foreign'
      : (webref.get(tag)?.href.match(/multipage\/([a-z-]+)\.html/)?.[1] ?? 'obsolete')
  const chapters = unique(tags.map(chapterOf))
  const current = specs.html.elements.map((element) => chapterOf(element.name))
  const chapterOrder = [...new Set(current.filter((chapter) => chapter !== 'obsolete'))]
  chapterOrder.push('foreign', 'obsolete')
  const categories = new Map()
  for (const chapter of chapterOrder.filter((chapter) => chapters.includes(chapter))) {
    const heading = HTML_CHAPTERS[chapter]
    if (!heading)
      throw new Error(`the chapter "${chapter}" of the HTML standard has no Danish name`)
    if (!categories.has(heading))
      categories.set(heading, {
        node: topic.group(heading, `kategori-${chapter}`, elementNode),
        tags: []
      })
  }
  const categoryOf = (tag) => categories.get(HTML_CHAPTERS[chapterOf(tag)])

  const attributeSection = (name) => {
    const compat = bcd.html.global_attributes[name]?.__compat
    const owners = global.has(name)
      ? 'alle elementer (global attribut)'
      : name.startsWith('aria-') || name === 'role'
        ? 'alle elementer (tilgængelighed, ARIA)'
        : name.startsWith('on')
          ? 'alle elementer (hændelse)'
          : (takenBy.get(name) ?? []).map((tag) => link(pageKey(tag, true), `<${tag}>`)).join(', ')
    const ownerCompat =
      compat ??
      (takenBy.get(name) ?? []).map((tag) => bcd.html.elements[tag]?.[name]?.__compat).find(Boolean)
    return (
      descriptionHtml(attributeText.get(name)) +
      '\n<h2>Fakta</h2>\n' +
      factTable([
        ['Bruges på', owners],
        ['Status', statusText(ownerCompat)],
        ['Browserstøtte', supportText(ownerCompat)],
        ['Standarden', standardLinks(ownerCompat?.spec_url)]
      ])
    )
  }

  for (const tag of tags) {
    const compat = (bcd.html.elements[tag] ?? bcd[FOREIGN_ROOTS[tag]?.compat]?.elements[tag])
      ?.__compat
    const element = webref.get(tag)
    const own = (htmlElementAttributes[tag] ?? []).slice().sort(byName)
    const ownLinks = own.map((name) => link(pageKey(name, tagSet.has(name)), name)).join(', ')
    let body =
      descriptionHtml(elementText.get(tag)) +
      '\n<h2>Fakta</h2>\n' +
      factTable([
        [
          'Skrives',
          voids.has(tag)
            ? `<code>&lt;${tag}&gt;</code> uden slutkode`
            : `<code>&lt;${tag}&gt;</code> … <code>&lt;/${tag}&gt;</code>`
        ],
        ['Kategori', link(categoryOf(tag).node.key, categoryOf(tag).node.text)],
        ['Egne attributter', ownLinks || 'ingen ud over de globale'],
        ['Globale attributter', link('attributter', 'se Attributter')],
        ['DOM-grænseflade', element ? `<code>${element.interface}</code>` : ''],
        [
          'Status',
          element ? statusText(compat) : 'Forældet: står ikke i den gældende HTML-standard.'
        ],
        ['Browserstøtte', supportText(compat)],
        ['Standarden', standardLinks(compat?.spec_url ?? element?.href)]
      ])
    if (attributes.includes(tag))
      body += `\n<h2>Attributten ${escapeHtml(tag)}</h2>\n` + attributeSection(tag)
    categoryOf(tag).tags.push(tag)
    topic.add(
      categoryOf(tag).node,
      tag,
      pageKey(tag, true),
      IMAGE.page,
      page(`<${tag}>`, 'HTML-element', body, up)
    )
  }
  for (const name of attributes) {
    if (tagSet.has(name.toLowerCase())) continue
    topic.add(
      attributeNode,
      name,
      pageKey(name, false),
      IMAGE.page,
      page(name, 'HTML-attribut', attributeSection(name), up)
    )
  }
  for (const {node, tags: members} of categories.values())
    groupPage(
      topic,
      node,
      `Elementerne i kategorien ${node.text}.`,
      (n) => elementText.get(n),
      members.map((name) => ({name, key: pageKey(name, true)}))
    )
  groupPage(
    topic,
    elementNode,
    'Alle HTML-elementer i alfabetisk orden. I træet står de ordnet efter kategori.',
    (n) => elementText.get(n),
    tags.map((name) => ({name, key: pageKey(name, true)}))
  )
  groupPage(
    topic,
    attributeNode,
    'Alle HTML-attributter i alfabetisk orden. En attribut med samme navn som et element står på elementets side.',
    (n) => attributeText.get(n),
    attributes.map((name) => ({name, key: pageKey(name, tagSet.has(name.toLowerCase()))}))
  )
  topic.write()
  return `${tags.length} elementer og ${attributes.length} attributter`
}

// ---------------------------------------------------------------- CSS

// A link to a property's page; a property without one (not standard) is named plainly.
let cssNames = new Set()
const propertyLink = (name) =>
  cssNames.has(name) ? link(name, name) : `<code>${escapeHtml(name)}</code>`

function cssValues(syntax) {
  const types = unique([...syntax.matchAll(/<([a-z-]+)>/g)].map((m) => m[1])).filter(
    (type) => cssSyntaxes[type]
  )
  const words = unique(
    [...syntax.replace(/<[^>]*>/g, ' ').matchAll(/(?<![\w-])([a-z][a-zA-Z-]*)(?![\w(-])/g)].map(
      (m) => m[1]
    )
  )
  const properties = unique([...syntax.matchAll(/<'([a-z-]+)'>/g)].map((m) => m[1]))
  const parts = []
  if (properties.length) parts.push('Som ' + properties.map(propertyLink).join(', '))
  if (words.length) parts.push('Nøgleord: ' + words.map((w) => `<code>${w}</code>`).join(', '))
  for (const type of types)
    parts.push(
      `<code>&lt;${type}&gt;</code> = <code>${escapeHtml(cssSyntaxes[type].syntax)}</code>`
    )
  return parts.join('<br>')
}

function writeCss() {
  const names = Object.keys(cssProperties)
    .filter((name) => cssProperties[name].status === 'standard' && !name.startsWith('-'))
    .sort(byName)
  cssNames = new Set(names)
  const text = descriptionsFor('css.txt', names)
  const topic = new Topic(
    'CSS',
    'Css information',
    'CSS-reference',
    '<p>Her står hver standardiseret CSS-egenskab, ordnet efter emne. Sæt markøren på en ' +
      'egenskab i et stylesheet eller en style-attribut og tryk Ctrl+Alt+C, så åbnes siden om den.</p>'
  )
  const up = {key: 'forside', title: topic.root.text}
  const byGroup = new Map()
  for (const name of names) {
    const group = cssProperties[name].groups[0]
    if (!GROUPS[group]) throw new Error(`the CSS group "${group}" has no Danish name`)
    byGroup.set(group, [...(byGroup.get(group) ?? []), name])
  }
  const groups = [...byGroup.keys()].sort((a, b) => byName(GROUPS[a], GROUPS[b]))
  groups.forEach((group, index) => {
    const node = topic.group(GROUPS[group], `emne-${String(index + 1).padStart(2, '0')}`)
    for (const name of byGroup.get(group)) {
      const data = cssProperties[name]
      const compat = bcd.css.properties[name]?.__compat
      const appliesTo = APPLIES_TO[data.appliesto]
      if (!appliesTo) throw new Error(`"${data.appliesto}" (${name}) has no Danish text`)
      const initial = Array.isArray(data.initial)
        ? 'som hver af de enkelte egenskaber: ' + data.initial.map(propertyLink).join(', ')
        : (INITIAL_KEYS[data.initial] ?? `<code>${escapeHtml(data.initial)}</code>`)
      const body =
        descriptionHtml(text.get(name)) +
        '\n<h2>Fakta</h2>\n' +
        factTable([
          ['Syntaks', `<code>${escapeHtml(name)}: ${escapeHtml(data.syntax)}</code>`],
          ['Værdier', cssValues(data.syntax)],
          ['Startværdi', initial],
          ['Arves', data.inherited ? 'ja' : 'nej'],
          ['Gælder for', escapeHtml(appliesTo)],
          ['Emne', link(node.key, node.text)],
          ['Status', statusText(compat)],
          ['Browserstøtte', supportText(compat)],
          ['Standarden', standardLinks(compat?.spec_url)]
        ])
      topic.add(node, name, name, IMAGE.page, page(name, 'CSS-egenskab', body, up))
    }
    groupPage(
      topic,
      node,
      `Egenskaberne i emnet ${node.text}.`,
      (n) => text.get(n),
      byGroup.get(group).map((n) => ({name: n, key: n}))
    )
  })
  topic.write()
  return `${names.length} CSS-egenskaber i ${groups.length} emner`
}

// ---------------------------------------------------------------- JavaScript

// The reserved words as the package lists them; its index exports only tests of a word.
function babelReservedWords() {
  const require = createRequire(import.meta.url)
  const source = readFileSync(require.resolve('@babel/helper-validator-identifier'), 'utf8')
  const list = (label) => {
    const match = source.match(new RegExp(`${label}: (\\[[^\\]]*\\])`))
    if (!match) throw new Error(`no list "${label}" in @babel/helper-validator-identifier`)
    return JSON.parse(match[1])
  }
  const keyword = list('keyword')
  const strict = list('strict')
  if (!keyword.every(isKeyword) || !strict.every((word) => isStrictReservedWord(word, false)))
    throw new Error(
      'the reserved words read from @babel/helper-validator-identifier do not match it'
    )
  return {keyword, strict}
}

// browser-compat-data tells of a reserved word under the statement, operator or class part
// it names; the words that are only a part of a statement are found under that statement.
const PART_OF_STATEMENT = {
  case: 'switch',
  default: 'switch',
  try: 'try_catch',
  catch: 'try_catch',
  finally: 'try_catch',
  do: 'do_while',
  if: 'if_else',
  else: 'if_else',
  async: 'async_function',
  of: 'for_of'
}
const wordCompat = (word) =>
  (
    bcd.javascript.statements[PART_OF_STATEMENT[word] ?? word] ??
    bcd.javascript.operators[word] ??
    bcd.javascript.classes[word]
  )?.__compat

function writeJs() {
  const {keyword, strict} = babelReservedWords()
  const builtin = unique(Object.keys(globals.builtin))
  const words = unique([...keyword, ...strict, ...CONTEXT_WORDS])
  const browser = unique(
    Object.keys(globals.browser).filter(
      (n) => /^[a-z]/.test(n) && !n.startsWith('on') && !n.startsWith('webkit')
    )
  ).filter((name) => !builtin.includes(name))
  const names = unique([...builtin, ...words, ...browser])
  const text = descriptionsFor('javascript.txt', names)
  const topic = new Topic(
    'JavaScript',
    'JavaScript information',
    'JavaScript-reference',
    '<p>Her står sprogets indbyggede objekter og funktioner, dets reserverede ord og de ' +
      'globale navne som browseren giver et script. Sæt markøren på et ord i et script og ' +
      'tryk Ctrl+Alt+J, så åbnes siden om det.</p>'
  )
  const up = {key: 'forside', title: topic.root.text}
  const kinds = [
    ['Indbyggede objekter', 'indbyggede', builtin, 'Indbygget i sproget'],
    ['Reserverede ord', 'reserverede', words, ''],
    ['Browserens globale navne', 'browseren', browser, 'Globalt navn i browseren']
  ]
  const placed = new Map() // lower-case name -> the node and the page's sections
  for (const [title, key, members, kind] of kinds) {
    const node = topic.group(title, key)
    for (const name of members) {
      const compat =
        key === 'indbyggede'
          ? bcd.javascript.builtins[name]?.__compat
          : key === 'browseren'
            ? (bcd.api.Window?.[name] ?? bcd.api[name])?.__compat
            : wordCompat(name)
      const wordKind = keyword.includes(name)
        ? 'Nøgleord: kan aldrig bruges som navn'
        : strict.includes(name)
          ? 'Reserveret ord i strict mode og i moduler'
          : 'Nøgleord kun hvor sproget venter det; ellers et almindeligt navn'
      const section =
        descriptionHtml(text.get(name)) +
        '\n<h2>Fakta</h2>\n' +
        factTable([
          ['Slags', escapeHtml(kind || wordKind)],
          [
            'Kan overskrives',
            key === 'reserverede'
              ? ''
              : (key === 'indbyggede' ? globals.builtin[name] : globals.browser[name])
                ? 'ja'
                : 'nej'
          ],
          ['Status', statusText(compat)],
          ['Browserstøtte', supportText(compat)],
          ['Standarden', standardLinks(compat?.spec_url)]
        ])
      const earlier = placed.get(name.toLowerCase())
      if (earlier) {
        earlier.sections.push(`<h2>${escapeHtml(name)}</h2>\n${section}`)
        continue
      }
      const entry = {
        node,
        name,
        key: 'js-' + name.toLowerCase(),
        kind: kind || 'Reserveret ord',
        sections: [section]
      }
      placed.set(name.toLowerCase(), entry)
      node.children.push({text: name, key: entry.key, image: IMAGE.page, children: []})
    }
    groupPage(
      topic,
      node,
      title + '.',
      (n) => text.get(n),
      members.map((n) => ({name: n, key: 'js-' + n.toLowerCase()}))
    )
  }
  for (const {name, key, kind, sections} of placed.values())
    topic.pages.set(key, page(name, kind, sections.join('\n'), up))
  topic.write()
  return `${names.length} JavaScript-navne`
}

// ---------------------------------------------------------------- VBScript

function writeVbs() {
  const text = readDescriptions(texts + 'vbs.txt')
  if (!text.size) missing.push('vbs.txt: filen mangler, så emnet VBS har ingen ord')
  const names = [...text.keys()].sort(byName)
  for (const name of names)
    if (!/^[A-Za-z]+$/.test(name)) throw new Error(`vbs.txt: "${name}" is no word of letters only`)
  const topic = new Topic(
    'VBS',
    'Script information',
    'VBScript og WScript',
    "<p>Her står de ord fra VBScript og fra Windows' scriptvært som programmet kender: " +
      'sætninger, funktioner, konstanter og objekter. Sæt markøren på et ord i et script og ' +
      'tryk Ctrl+Alt+V, så åbnes siden om det. Knappen Abc i dokumentvinduet retter ordenes ' +
      'store og små bogstaver efter stavemåden her.</p>'
  )
  const up = {key: 'forside', title: topic.root.text}
  const node = topic.group('Alle ord i VBScript', 'alle-ord')
  for (const name of names)
    topic.add(
      node,
      name,
      'vbs-' + name.toLowerCase(),
      IMAGE.page,
      page(name, 'VBScript', descriptionHtml(text.get(name)), up)
    )
  groupPage(
    topic,
    node,
    'Alle ord i alfabetisk orden.',
    (n) => text.get(n),
    names.map((n) => ({name: n, key: 'vbs-' + n.toLowerCase()}))
  )
  topic.write()
  return `${names.length} VBScript-ord`
}

// ---------------------------------------------------------------- examples

function writeExamples() {
  const folder = texts + 'eksempler/'
  const pictures = texts + 'eksempel-billeder/'
  const files = readdirSync(folder)
    .filter((file) => file.endsWith('.html'))
    .sort()
  const topic = new Topic(
    'Eksempler',
    'Html eksempler',
    'HTML-eksempler',
    '<p>Eksempler på sider med HTML og CSS, som man kan bygge videre på. Hver side viser ' +
      'koden og et billede af hvad den giver i en browser. Linket under billedet fører til ' +
      'eksemplets egen fil i mappen Design og funktioner, som kan åbnes i en browser eller ' +
      'kopieres og bruges som begyndelsen på en ny side.</p>'
  )
  const node = topic.group('Alle eksempler', 'alle-eksempler')
  const members = []
  const descriptions = new Map()
  for (const file of files) {
    const source = readFileSync(folder + file, 'utf8')
    const pick = (re, what) => {
      const match = source.match(re)
      if (!match) throw new Error(`eksempler/${file} has no ${what}`)
      return match[1].trim()
    }
    const title = pick(/<title>([^<]*)<\/title>/, 'title')
    const about = pick(/<meta name="description" content="([^"]*)">/, 'description')
      .replace(/&quot;/g, '"')
      .replace(/&amp;/g, '&')
    const key = file.replace(/\.html$/, '')
    const picture = `${key}.png`
    if (!existsSync(pictures + picture)) {
      if (!incomplete)
        throw new Error(`eksempel-billeder/${picture} is missing: run make-example-pictures.mjs`)
      missing.push(`eksempel-billeder/${picture} mangler`)
    }
    const html = page(
      title,
      'Eksempel',
      `<p>${escapeHtml(about)}</p>
<h2>Koden</h2>
<pre>${escapeHtml(source.trimEnd())}</pre>
<h2>Sådan ser det ud</h2>
<p><img src="../Billeder/${picture}" alt="Eksemplet vist i en browser"></p>
<p><a href="${encodeURI(`Design og funktioner/${file}`)}">Åbn eksemplet som en selvstændig side</a></p>`,
      {key: 'forside', title: topic.root.text}
    )
    topic.add(node, title, key, IMAGE.example, html)
    descriptions.set(title, {paragraphs: [about]})
    members.push({name: title, key})
  }
  groupPage(topic, node, 'Alle eksempler.', (n) => descriptions.get(n), members)
  const written = topic.write()
  cpSync(folder, written + 'tekstfiler/Design og funktioner/', {recursive: true})
  cpSync(pictures, written + 'Billeder/', {recursive: true})
  return `${files.length} eksempler`
}

const done = [await writeHtml(), writeCss(), writeJs(), writeVbs(), writeExamples()]
console.log(done.join(', '))
if (missing.length) {
  console.log('Uden beskrivelse:')
  for (const line of missing) console.log('  ' + line)
}
