// How right the HTML checker and `tidy -q -e` are about real pages: both check every HTML
// page under /usr/share/doc and a set of pages of our own with known faults, and an
// independent HTML5 parser (parse5) with the standard's rules for optional end tags judges
// each finding. Prints false reports and misses per 100 pages for both, by kind, and the
// times. Usage, after building htmlfund (cmake --build build --target htmlfund):
//
//   npm ci --prefix bench/html && node bench/html/htmlnoejagtighed.mjs [build folder]
//
// The judge. parse5 builds the tree a browser builds, with the place of every start and end
// tag it used. An element whose start tag stands in the page has a missing end tag when no
// end tag of its own closed it, it is no void element, no SVG or MathML element closed by
// "/>", and the standard's rules do not let its end tag be left out where it stands
// ("Optional tags", 13.1.2.4 of the HTML standard: an li followed by an li or ending its
// parent, and so on). An end tag in the page (as parse5's tokenizer reads it) that closed no
// element is one too many. An element or end tag is unknown when its name is not one of its
// namespace (html-tag-names, svg-tag-names, mathml-tag-names); an attribute when it is not
// one of its element's (html-element-attributes, svg-element-attributes, the event handlers,
// ARIA, data-*, and the namespace attributes). The names come from the same kind of data
// packages as the checker's lists: what is judged is how each tool reads a page.
//
// Findings are compared per page as kind and name, without their line, since tidy reports a
// missing end tag where it notices it; a finding neither in the judge's findings is a false
// report, a judge's finding a tool does not give is a miss. Times: the checker's reading and
// checks of each page as the program runs them (htmlfund measures them), and tidy's whole run
// on each page, both added up over the pages.

import {execFileSync, spawnSync} from 'node:child_process'
import {mkdtempSync, readdirSync, readFileSync, statSync, writeFileSync} from 'node:fs'
import {tmpdir} from 'node:os'
import {join, resolve} from 'node:path'
import {fileURLToPath} from 'node:url'
import {ariaAttributes} from 'aria-attributes'
import {htmlElementAttributes} from 'html-element-attributes'
import {htmlEventAttributes} from 'html-event-attributes'
import {htmlTagNames} from 'html-tag-names'
import {htmlVoidElements} from 'html-void-elements'
import {mathmlTagNames} from 'mathml-tag-names'
import {parse} from 'parse5'
import {SAXParser} from 'parse5-sax-parser'
import {svgElementAttributes} from 'svg-element-attributes'
import {svgTagNames} from 'svg-tag-names'

const repo = fileURLToPath(new URL('../../', import.meta.url))
const build = resolve(process.argv[2] ?? join(repo, 'build'))
const HTML_NS = 'http://www.w3.org/1999/xhtml'
const SVG_NS = 'http://www.w3.org/2000/svg'
const MATHML_NS = 'http://www.w3.org/1998/Math/MathML'

const lower = (names) => new Set(names.map((name) => name.toLowerCase()))
const htmlNames = lower(htmlTagNames)
const svgNames = lower(svgTagNames)
const mathmlNames = lower(mathmlTagNames)
const voids = lower(htmlVoidElements)
const everyElement = lower([
  ...htmlEventAttributes, ...ariaAttributes, 'role', 'xmlns', 'xml:lang'
])
const foreignNamespaced = lower([
  'xlink:actuate', 'xlink:arcrole', 'xlink:href', 'xlink:role', 'xlink:show', 'xlink:title',
  'xlink:type', 'xml:lang', 'xml:space', 'xmlns', 'xmlns:xlink'
])
const svgAttributes = new Map(
  Object.entries(svgElementAttributes).map(([tag, names]) => [tag.toLowerCase(), lower(names)])
)
const htmlAttributes = new Map(
  Object.entries(htmlElementAttributes).map(([tag, names]) => [tag, lower(names)])
)

// --- The standard's optional end tags (13.1.2.4) ---------------------------------------

const P_FOLLOWERS = new Set([
  'address', 'article', 'aside', 'blockquote', 'details', 'dialog', 'div', 'dl', 'fieldset',
  'figcaption', 'figure', 'footer', 'form', 'h1', 'h2', 'h3', 'h4', 'h5', 'h6', 'header',
  'hgroup', 'hr', 'main', 'menu', 'nav', 'ol', 'p', 'pre', 'search', 'section', 'table', 'ul'
])
const P_PARENTS_THAT_KEEP = new Set(['a', 'audio', 'del', 'ins', 'map', 'noscript', 'video'])

// The next sibling that is content: an element or text that is not white space.
function nextContent(node) {
  const siblings = node.parentNode.childNodes
  for (let i = siblings.indexOf(node) + 1; i < siblings.length; ++i) {
    const sibling = siblings[i]
    if (sibling.nodeName === '#comment') continue
    if (sibling.nodeName === '#text' && !/\S/.test(sibling.value)) continue
    return sibling
  }
  return null
}

function mayOmitEndTag(element) {
  const next = nextContent(element)
  const nextName = next?.tagName
  const last = next === null
  const followedBy = (...names) => nextName !== undefined && names.includes(nextName)
  switch (element.tagName) {
    case 'html': case 'head': case 'body': case 'colgroup': case 'caption':
      return true
    case 'li': return last || followedBy('li')
    case 'dt': return followedBy('dt', 'dd')
    case 'dd': return last || followedBy('dd', 'dt')
    case 'p': {
      const parent = element.parentNode.tagName ?? ''
      return (nextName !== undefined && P_FOLLOWERS.has(nextName)) ||
        (last && !P_PARENTS_THAT_KEEP.has(parent) && !parent.includes('-'))
    }
    case 'rt': case 'rp': return last || followedBy('rt', 'rp')
    case 'optgroup': return last || followedBy('optgroup', 'hr')
    case 'option': return last || followedBy('option', 'optgroup', 'hr')
    case 'thead': return followedBy('tbody', 'tfoot')
    case 'tbody': return last || followedBy('tbody', 'tfoot')
    case 'tfoot': return last
    case 'tr': return last || followedBy('tr')
    case 'td': case 'th': return last || followedBy('td', 'th')
    default: return false
  }
}

// --- The judge ------------------------------------------------------------------------

function elements(node, out = []) {
  for (const child of node.childNodes ?? []) {
    if (child.tagName) out.push(child)
    if (child.content) elements(child.content, out) // a template's content
    elements(child, out)
  }
  return out
}

function knownElement(ns, name) {
  if (ns === SVG_NS) return svgNames.has(name)
  if (ns === MATHML_NS) return mathmlNames.has(name)
  return htmlNames.has(name)
}

function knownAttribute(ns, tag, name) {
  if (ns === MATHML_NS) return true
  if (name.startsWith('data-') || everyElement.has(name)) return true
  if (ns === SVG_NS)
    return foreignNamespaced.has(name) || svgAttributes.get('*').has(name) ||
      (svgAttributes.get(tag)?.has(name) ?? false)
  return htmlAttributes.get('*').has(name) || (htmlAttributes.get(tag)?.has(name) ?? false)
}

function judge(html) {
  const findings = []
  const tree = parse(html, {sourceCodeLocationInfo: true})
  const consumed = new Set()
  const seen = new Set()
  // html, head, body and tbody the parser made itself: their end tags in the page close them.
  const implied = new Map()
  for (const element of elements(tree)) {
    const place = element.sourceCodeLocation
    const name = element.tagName.toLowerCase()
    const ns = element.namespaceURI
    const known = knownElement(ns, name)
    if (!place && ['html', 'head', 'body', 'tbody'].includes(name))
      implied.set(name, (implied.get(name) ?? 0) + 1)
    if (place?.endTag && (place.startTag || ['html', 'head', 'body'].includes(name))) {
      consumed.add(place.endTag.startOffset)
      if (!known) findings.push('ukendtslutkode ' + name)
    }
    // Elements the parser made itself, and the copies it makes of misnested ones.
    if (!place?.startTag || seen.has(place.startTag.startOffset)) continue
    seen.add(place.startTag.startOffset)
    if (!known) {
      findings.push('ukendtkode ' + name)
      if (element.attrs.length) findings.push(`ukendtattribut ${name} *`)
    } else {
      for (const attr of element.attrs) {
        const attrName = (attr.prefix ? attr.prefix + ':' + attr.name : attr.name).toLowerCase()
        if (!knownAttribute(ns, name, attrName))
          findings.push(`ukendtattribut ${name} ${attrName}`)
      }
    }
    if (place.endTag || (ns === HTML_NS && voids.has(name))) continue
    const selfClosed = html.slice(place.startTag.endOffset - 2, place.startTag.endOffset) === '/>'
    if (ns !== HTML_NS && selfClosed) continue
    if (ns === HTML_NS && mayOmitEndTag(element)) continue
    findings.push('mangler ' + name)
  }
  // Every end tag as the tokenizer reads the page; those that closed nothing are too many.
  const sax = new SAXParser({sourceCodeLocationInfo: true})
  sax.on('endTag', (tag) => {
    if (consumed.has(tag.sourceCodeLocation.startOffset)) return
    if (implied.get(tag.tagName) > 0) {
      implied.set(tag.tagName, implied.get(tag.tagName) - 1)
      return
    }
    findings.push('formange ' + tag.tagName)
    if (!htmlNames.has(tag.tagName) && !svgNames.has(tag.tagName))
      findings.push('ukendtslutkode ' + tag.tagName)
  })
  sax.end(html)
  return findings
}

// --- The two tools ----------------------------------------------------------------------

function ourFindings(page) {
  const findings = []
  for (const {kode, note, kontrol} of page.fund) {
    const name = kode.replace(/^\//, '').toLowerCase()
    if (note === 'Mangler slutkode') findings.push('mangler ' + name)
    else if (note === 'Slutkode?') findings.push('formange ' + name)
    else if (kontrol === 2 && note === 'Ukendt kode') findings.push('ukendtkode ' + name)
    else if (note === 'Ukendt slutkode') findings.push('ukendtslutkode ' + name)
    else if (kontrol === 3 && note === 'Ukendt') findings.push(`ukendtattribut ${name} *`)
    else if (kontrol === 3)
      for (const attr of note.split('Ukendt: ').map((s) => s.trim()).filter(Boolean))
        findings.push(`ukendtattribut ${name} ${attr.toLowerCase()}`)
  }
  return findings
}

function tidyFindings(file) {
  const start = process.hrtime.bigint()
  const run = spawnSync('tidy', ['-q', '-e', '--show-warnings', 'yes', '--show-errors', '1000',
    file], {encoding: 'utf8', maxBuffer: 1 << 28})
  const seconds = Number(process.hrtime.bigint() - start) / 1e9
  const lines = run.stderr.split('\n')
  const unknown = new Set()
  for (const line of lines) {
    const m = /<([\w:.-]+)> is not recognized/.exec(line)
    if (m) unknown.add(m[1].toLowerCase())
  }
  const findings = []
  for (const line of lines) {
    let m
    if ((m = /missing <\/([\w:.-]+)>/.exec(line))) findings.push('mangler ' + m[1].toLowerCase())
    else if ((m = /<([\w:.-]+)> element not empty or not closed/.exec(line)))
      findings.push('mangler ' + m[1].toLowerCase())
    else if ((m = /<([\w:.-]+)> is probably intended as <\/\1>/.exec(line)))
      findings.push('mangler ' + m[1].toLowerCase())
    else if ((m = /(?:discarding unexpected|^.*- \w+: unexpected) <\/([\w:.-]+)>/.exec(line))) {
      const name = m[1].toLowerCase()
      findings.push((unknown.has(name) ? 'ukendtslutkode ' : 'formange ') + name)
    } else if ((m = /replacing unexpected ([\w:.-]+) with <\/\1>/.exec(line)))
      findings.push('formange ' + m[1].toLowerCase())
    else if ((m = /<([\w:.-]+)> is not recognized/.exec(line)))
      findings.push('ukendtkode ' + m[1].toLowerCase())
    else if ((m = /<([\w:.-]+)> (?:proprietary|unknown) attribute "([^"]+)"/.exec(line)))
      findings.push(`ukendtattribut ${m[1].toLowerCase()} ${m[2].toLowerCase()}`)
  }
  return {findings, seconds}
}

// --- Pages of our own, each with the faults it has --------------------------------------

function ownPages(folder) {
  const wrap = (body) => `<!DOCTYPE html>\n<html lang="da">\n<head>\n<meta charset="utf-8">\n` +
    `<title>Prøve</title>\n</head>\n<body>\n${body}\n</body>\n</html>\n`
  const bodies = [
    '<div class="boks">\n<p>Et afsnit\n<span>uden slutkode\n</div>',
    '<ul>\n<li>et\n<li>to</li></li>\n</ul>',
    '<p>tekst<div>blok</div></p>',
    '<a href="a.html">første <a href="b.html">anden</a></a>',
    '<table>\n<tr><td>1<td>2\n<tr><td>3</td></tr></tbody>\n</table>',
    '<blink>gammel</blink> <center>midt</center>',
    '<img src="a.png" alt="" sizes="10px" foo="x"><div data-nr="2" aria-hidden="true">x</div>',
    '<svg width="10" height="10" viewBox="0 0 10 10"><circle cx="5" cy="5" r="4" bar="1"/>' +
      '</svg>',
    '<p><mfrac><mi>x</mi></mfrac></p>',
    '<math><mfrac><mi>x</mi><mn>2</mn></mfrac></math>',
    '<script>if (a < b && s === "</div>") { x("<p>"); }</script><p>efter</p>',
    '<!-- skriv til <a@b.c> --><!--[if gte mso 9]><xml><o:p></o:p></xml><![endif]--><p>x</p>',
    '<textarea><b>fed?</textarea><p title="<i>">x</p>',
    '<dl><dt>a<dd>b<dt>c<dd>d</dl><select><option>1<option>2</select>',
    '<div><b>fed <i>og kursiv</b></i></div>',
    '<section><h1>Titel</h2><p>x</p></section>',
    '<form><input type="text" name="n"><button>ok</form>',
    '<div>\n<p>a\n</span>\n</div>',
    '<em>understreget</strong>',
    '<table><caption>c<thead><tr><th>1<tbody><tr><td>2</table>'
  ]
  return bodies.map((body, i) => {
    const file = join(folder, `egen-${String(i + 1).padStart(2, '0')}.html`)
    writeFileSync(file, wrap(body))
    return file
  })
}

function docPages() {
  const out = []
  const walk = (dir) => {
    for (const entry of readdirSync(dir, {withFileTypes: true})) {
      const path = join(dir, entry.name)
      if (entry.isDirectory()) walk(path)
      else if (entry.isFile() && /\.html?$/i.test(entry.name)) out.push(path)
    }
  }
  walk('/usr/share/doc')
  return out.sort()
}

// --- Counting ---------------------------------------------------------------------------

function difference(a, b) {
  const left = new Map()
  for (const x of b) left.set(x, (left.get(x) ?? 0) + 1)
  const out = []
  for (const x of a) {
    const n = left.get(x) ?? 0
    if (n > 0) left.set(x, n - 1)
    else out.push(x)
  }
  return out
}

const KINDS = ['mangler', 'formange', 'ukendtkode', 'ukendtslutkode', 'ukendtattribut']
const GROUPS = {
  slutkoder: ['mangler', 'formange'],
  koder: ['ukendtkode', 'ukendtslutkode'],
  attributter: ['ukendtattribut']
}

const folder = mkdtempSync(join(tmpdir(), 'htmlnoejagtighed-'))
const pages = [...docPages(), ...ownPages(folder)].filter((file) => statSync(file).size > 0)
const htmlfund = join(build, 'bench', 'htmlfund')
const ours = execFileSync(htmlfund, pages, {
  encoding: 'utf8',
  maxBuffer: 1 << 28,
  env: {...process.env, QT_QPA_PLATFORM: 'offscreen', RAVNSTI_DATA: join(repo, 'data')},
  stdio: ['ignore', 'pipe', 'ignore']
}).trim().split('\n').map((line) => JSON.parse(line))

const totals = {ravnsti: {}, tidy: {}}
for (const tool of Object.values(totals))
  for (const kind of KINDS) tool[kind] = {falske: 0, missede: 0}
const time = {ravnsti: 0, tidy: 0}
let judged = 0
const examples = {ravnsti: [], tidy: []}
for (let i = 0; i < pages.length; ++i) {
  const html = readFileSync(pages[i], 'utf8').replace(/\r\n?/g, '\n')
  const truth = judge(html)
  judged += truth.length
  const tidy = tidyFindings(pages[i])
  time.ravnsti += ours[i].sekunder
  time.tidy += tidy.seconds
  for (const [tool, found] of [['ravnsti', ourFindings(ours[i])], ['tidy', tidy.findings]]) {
    const falske = difference(found, truth)
    const missede = difference(truth, found)
    for (const f of falske) ++totals[tool][f.split(' ')[0]].falske
    for (const f of missede) ++totals[tool][f.split(' ')[0]].missede
    if (examples[tool].length < Number(process.env.VIS_EKSEMPLER ?? 0))
      for (const f of [...falske.map((f) => 'falsk ' + f), ...missede.map((f) => 'misset ' + f)])
        if (!examples[tool].some((e) => e.endsWith(f))) examples[tool].push(`${pages[i]}: ${f}`)
  }
}

const per100 = (n) => ((n * 100) / pages.length).toFixed(1)
console.log(`${pages.length} sider (${pages.length - 20} fra /usr/share/doc, 20 egne)`)
console.log(`dommerens fund: ${per100(judged)} per 100 sider`)
console.log('\nper 100 sider           ravnsti falske/missede   tidy falske/missede')
for (const [group, kinds] of Object.entries(GROUPS)) {
  const sum = (tool, key) => kinds.reduce((n, kind) => n + totals[tool][kind][key], 0)
  console.log(
    `${group.padEnd(22)}  ${per100(sum('ravnsti', 'falske')).padStart(7)} / ` +
      `${per100(sum('ravnsti', 'missede')).padEnd(10)}  ${per100(sum('tidy', 'falske')).padStart(7)}` +
      ` / ${per100(sum('tidy', 'missede'))}`
  )
}
const all = (tool, key) => KINDS.reduce((n, kind) => n + totals[tool][kind][key], 0)
console.log(
  `${'i alt'.padEnd(22)}  ${per100(all('ravnsti', 'falske')).padStart(7)} / ` +
    `${per100(all('ravnsti', 'missede')).padEnd(10)}  ${per100(all('tidy', 'falske')).padStart(7)}` +
    ` / ${per100(all('tidy', 'missede'))}`
)
console.log(`\ntid: ravnsti ${time.ravnsti.toFixed(2)} s, tidy ${time.tidy.toFixed(2)} s ` +
  `(forhold ${(time.ravnsti / time.tidy).toFixed(2)})`)
if (process.env.VIS_EKSEMPLER)
  for (const [tool, list] of Object.entries(examples)) console.log(`\n${tool}:\n${list.join('\n')}`)
