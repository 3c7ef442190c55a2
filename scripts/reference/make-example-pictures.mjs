// Takes a picture of each worked example as a browser shows it, for the example's page
// ("Sådan ser det ud"), into tekster/eksempel-billeder/ (one PNG a page, named after it):
//
//   npm ci --prefix scripts/reference && node scripts/reference/make-example-pictures.mjs
//
// It needs Debian's chromium, which draws the page headless in a window WIDTH pixels wide;
// the picture is then cut down to what the page drew on its white background, with a small
// margin. Run it after changing an example, then make-reference.mjs, and commit both.

import {execFileSync} from 'node:child_process'
import {mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync} from 'node:fs'
import {tmpdir} from 'node:os'
import {join} from 'node:path'
import {fileURLToPath, pathToFileURL} from 'node:url'
import {PNG} from 'pngjs'

const WIDTH = 720
const HEIGHT = 1000
const MARGIN = 12

const here = fileURLToPath(new URL('.', import.meta.url))
const examples = here + 'tekster/eksempler/'
const pictures = here + 'tekster/eksempel-billeder/'

// The picture cut to the part that is not plain white.
function cropped(png) {
  let right = 0
  let bottom = 0
  for (let y = 0; y < png.height; ++y)
    for (let x = 0; x < png.width; ++x) {
      const i = (y * png.width + x) * 4
      if (png.data[i] < 250 || png.data[i + 1] < 250 || png.data[i + 2] < 250) {
        right = Math.max(right, x)
        bottom = Math.max(bottom, y)
      }
    }
  const out = new PNG({
    width: Math.min(png.width, right + MARGIN),
    height: Math.min(png.height, bottom + MARGIN)
  })
  PNG.bitblt(png, out, 0, 0, out.width, out.height, 0, 0)
  return out
}

const work = mkdtempSync(join(tmpdir(), 'ravnsti-eksempler-'))
rmSync(pictures, {recursive: true, force: true})
mkdirSync(pictures, {recursive: true})
for (const file of readdirSync(examples)
  .filter((name) => name.endsWith('.html'))
  .sort()) {
  const shot = join(work, 'skud.png')
  execFileSync(
    'chromium',
    [
      '--headless',
      '--no-sandbox',
      '--disable-gpu',
      '--hide-scrollbars',
      `--user-data-dir=${join(work, 'profil')}`,
      `--window-size=${WIDTH},${HEIGHT}`,
      `--screenshot=${shot}`,
      pathToFileURL(examples + file).href
    ],
    {stdio: 'ignore'}
  )
  const picture = cropped(PNG.sync.read(readFileSync(shot)))
  writeFileSync(pictures + file.replace(/\.html$/, '.png'), PNG.sync.write(picture))
  console.log(`${file}: ${picture.width} x ${picture.height}`)
}
rmSync(work, {recursive: true, force: true})
