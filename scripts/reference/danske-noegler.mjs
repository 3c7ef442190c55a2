// Our Danish words for the keys of the data packages where a text belongs: the chapters of
// the HTML standard (the page of an element's address in @webref/elements; "foreign" for the
// roots of SVG and MathML, "obsolete" also for tags the standard no longer has), and the
// groups, what a property applies to and the few initial values that are no CSS value of
// mdn-data's css/properties.json. make-reference.mjs stops with an error on a key that is
// not here.

export const HTML_CHAPTERS = {
  semantics: 'Dokumentets hoved og metadata',
  sections: 'Sektioner og overskrifter',
  'grouping-content': 'Tekstblokke og lister',
  'text-level-semantics': 'Tekst i linjen',
  edits: 'Rettelser i teksten',
  'embedded-content': 'Billeder, medier og indlejret indhold',
  'iframe-embed-object': 'Billeder, medier og indlejret indhold',
  media: 'Billeder, medier og indlejret indhold',
  'image-maps': 'Billeder, medier og indlejret indhold',
  canvas: 'Billeder, medier og indlejret indhold',
  tables: 'Tabeller',
  forms: 'Formularer',
  input: 'Formularer',
  'form-elements': 'Formularer',
  'interactive-elements': 'Interaktive elementer',
  scripting: 'Scripts og skabeloner',
  foreign: 'Grafik og matematik (SVG og MathML)',
  obsolete: 'Forældede elementer'
}

export const GROUPS = {
  'CSS Basic User Interface': 'Brugerflade',
  'CSS Box Alignment': 'Justering af bokse',
  'CSS Inline': 'Indlejret tekst og grundlinjer',
  'CSS Cascading and Inheritance': 'Kaskade og arv',
  'CSS Animations': 'Animationer',
  'CSS Box Sizing': 'Boksenes størrelse',
  'Filter Effects': 'Filtereffekter',
  'CSS Transforms': 'Transformationer',
  'CSS Backgrounds and Borders': 'Baggrunde og kanter',
  'Compositing and Blending': 'Sammensætning og blanding',
  'CSS Logical Properties and Values': 'Logiske egenskaber',
  'CSS Table': 'Tabeller',
  'CSS Anchor Positioning': 'Placering ved et anker',
  'CSS Fragmentation': 'Opdeling i sider og spalter',
  'CSS Positioned Layout': 'Placering af bokse',
  'CSS Masking': 'Masker og beskæring',
  'CSS Color': 'Farver',
  'Scalable Vector Graphics': 'SVG-grafik',
  'CSS Multi-column Layout': 'Spalter',
  'CSS Containment': 'Afgrænsning og containere',
  'CSS Conditional Rules': 'Betingede regler',
  'CSS Generated Content': 'Genereret indhold',
  'CSS Lists and Counters': 'Lister og tællere',
  'CSS Writing Modes': 'Skriveretning',
  'CSS Display': 'Visningsmåde',
  'CSS Flexible Box Layout': 'Flexbox',
  'CSS Fonts': 'Skrifttyper',
  'CSS Grid Layout': 'Gitterlayout (grid)',
  'CSS Text': 'Tekst',
  'CSS Images': 'Billeder',
  'CSS Overflow': 'Overløb og rulning',
  'CSS Box Model': 'Boksmodellen: margin og padding',
  MathML: 'Matematik (MathML)',
  'Motion Path': 'Bevægelse langs en sti',
  'CSS Scroll Anchoring': 'Rulleankre',
  'CSS Overscroll Behavior': 'Rulning forbi kanten',
  'CSS Paged Media': 'Udskrift på sider',
  'CSS Ruby': 'Ruby-anmærkninger',
  'CSS Scroll Snap': 'Rulning der falder i hak',
  'CSS Scrollbars Styling': 'Rullepaneler',
  'CSS Shapes': 'Former som tekst flyder om',
  'CSS Text Decoration': 'Tekstdekoration',
  'Pointer Events': 'Mus og berøring',
  'CSS Transitions': 'Overgange',
  'CSS View Transitions': 'Overgange mellem visninger',
  'CSS Will Change': 'Varsling af ændringer',
  'CSS Viewport': 'Visningsområdet'
}

export const INITIAL_KEYS = {
  noPracticalInitialValue: 'ingen egentlig startværdi',
  dependsOnUserAgent: 'afhænger af browseren',
  startOrNamelessValueIfLTRRightIfRTL:
    'start, eller uden navn: left ved tekst fra venstre mod højre og right ved tekst fra højre mod venstre'
}

export const APPLIES_TO = {
  allElements: 'alle elementer',
  allElementsAndPseudos: 'alle elementer og pseudo-elementer',
  allElementsAndText: 'alle elementer og tekst',
  allElementsAcceptingWidthOrHeight: 'alle elementer der kan have en bredde eller højde',
  allElementsButNonReplacedAndTableColumns:
    'alle elementer undtagen ikke-erstattede indlejrede elementer, tabelkolonner og kolonnegrupper',
  allElementsButNonReplacedAndTableRows:
    'alle elementer undtagen ikke-erstattede indlejrede elementer, tabelrækker og rækkegrupper',
  allElementsExceptInlineBoxesAndInternalRubyOrTableBoxes:
    'alle elementer undtagen indlejrede bokse og de indre bokse i ruby og tabeller',
  allElementsExceptInternalTableDisplayTypes: 'alle elementer undtagen tabellens indre dele',
  allElementsExceptNonReplacedInlineElementsTableRowsColumnsRowColumnGroups:
    'alle elementer undtagen ikke-erstattede indlejrede elementer, tabelrækker, kolonner og grupper af dem',
  allElementsExceptTableDisplayTypes: 'alle elementer undtagen tabellens dele',
  allElementsExceptTableElementsWhenCollapse:
    'alle elementer, dog ikke tabelelementer når kanterne lægges sammen',
  allElementsExceptTableRowColumnGroupsTableRowsColumns:
    'alle elementer undtagen tabelrækker, kolonner og grupper af dem',
  allElementsExceptTableRowGroupsRowsColumnGroupsAndColumns:
    'alle elementer undtagen tabelrækker, kolonner og grupper af dem',
  allElementsNoEffectIfDisplayNone: 'alle elementer; uden virkning når display er none',
  allElementsSomeValuesNoEffectOnNonInlineElements:
    'alle elementer; nogle værdier virker kun på indlejrede elementer',
  allElementsSVGContainerElements: 'alle elementer og SVG-containere',
  allElementsSVGContainerGraphicsAndGraphicsReferencingElements:
    'alle elementer, SVG-containere, SVG-grafik og elementer der henviser til grafik',
  allElementsTreeAbidingPseudoElementsPageMarginBoxes:
    'alle elementer, pseudo-elementer i træet og sidens margenbokse',
  allElementsUAsNotRequiredWhenCollapse:
    'alle elementer; browseren behøver ikke at vise den når kanterne lægges sammen',
  asLonghands: 'som de enkelte egenskaber den samler',
  blockContainerElements: 'blokcontainere',
  blockContainers: 'blokcontainere',
  blockContainersAndInlineBoxes: 'blokcontainere og indlejrede bokse',
  blockContainersExceptMultiColumnContainers: 'blokcontainere undtagen dem med spalter',
  blockContainersExceptTableWrappers: 'blokcontainere undtagen tabellens ydre boks',
  blockContainersFlexContainersGridContainers: 'blokcontainere, flex-containere og grid-containere',
  blockContainersFlexContainersGridContainersInlineBoxesTableRowsSVGTextContentElements:
    'blokcontainere, flex- og grid-containere, indlejrede bokse, tabelrækker og SVG-tekst',
  blockContainersMultiColumnContainersFlexContainersGridContainers:
    'blokcontainere, containere med spalter, flex-containere og grid-containere',
  blockElementsInNormalFlow: 'blokelementer i det normale forløb',
  blockLevelBoxesAndAbsolutelyPositionedBoxesAndGridItems:
    'bokse på blokniveau, absolut placerede bokse og grid-elementer',
  blockLevelElements: 'elementer på blokniveau',
  elementsForWhichSizeContainmentCanApply: 'elementer hvis størrelse kan afgrænses',
  elementsWithOverflowNotVisibleAndReplacedElements:
    'elementer hvis overflow ikke er visible, og erstattede elementer',
  firstLetterPseudoElementsAndInlineLevelFirstChildren:
    'pseudo-elementet ::first-letter og indlejrede første børn',
  flexContainers: 'flex-containere',
  flexItemsAndInFlowPseudos: 'flex-elementer og pseudo-elementer i forløbet',
  flexItemsGridItemsAbsolutelyPositionedContainerChildren:
    'flex-elementer, grid-elementer og absolut placerede børn af en container',
  flexItemsGridItemsAndAbsolutelyPositionedBoxes:
    'flex-elementer, grid-elementer og absolut placerede bokse',
  floats: 'svævende elementer (float)',
  gridContainers: 'grid-containere',
  gridItemsAndBoxesWithinGridContainer: 'grid-elementer og bokse inde i en grid-container',
  inFlowBlockLevelElements: 'elementer på blokniveau i det normale forløb',
  inlineLevelAndTableCellElements: 'indlejrede elementer og tabelceller',
  inlineLevelBoxes: 'bokse på indlejret niveau',
  inlineLevelBoxesAndSVGTextContentElements: 'bokse på indlejret niveau og SVG-tekst',
  inlineLevelBoxesFlexItemsGridItemsTableCellsAndSVGTextContentElements:
    'indlejrede bokse, flex- og grid-elementer, tabelceller og SVG-tekst',
  limitedSVGElementsCircle: 'SVG-elementet circle',
  limitedSVGElementsContainerGraphicsGradientUseAnimate:
    'visse SVG-elementer: containere, grafik, gradienter, use og animationer',
  limitedSVGElementsEllipse: 'SVG-elementet ellipse',
  limitedSVGElementsEllipseRect: 'SVG-elementerne ellipse og rect',
  limitedSVGElementsFilterPrimitives: 'SVG-filtrenes byggesten',
  limitedSVGElementsFloodAndDropShadow: 'SVG-elementerne feFlood og feDropShadow',
  limitedSVGElementsGeometry: 'SVG-elementer med en geometri',
  limitedSVGElementsGraphics: 'SVG-grafikelementer',
  limitedSVGElementsGraphicsAndUse: 'SVG-grafikelementer og use',
  limitedSVGElementsLightSource: 'SVG-filtrenes lyskilder',
  limitedSVGElementsPath: 'SVG-elementet path',
  limitedSVGElementsShapes: 'SVG-figurer',
  limitedSVGElementsShapeText: 'SVG-figurer og SVG-tekst',
  limitedSVGElementsStop: 'SVG-elementet stop i en gradient',
  limitedSVGElementsTextContent: 'SVG-tekst',
  listItems: 'listepunkter',
  maskElements: 'SVG-elementet mask',
  multicolElements: 'elementer med spalter',
  multiColumnElementsFlexContainersGridContainers:
    'elementer med spalter, flex-containere og grid-containere',
  multilineFlexContainers: 'flex-containere med flere linjer',
  nonReplacedBlockAndInlineBlockElements: 'ikke-erstattede blok- og inline-block-elementer',
  nonReplacedInlineElements: 'ikke-erstattede indlejrede elementer',
  pathCircleEllipseLinePolygonPolylineRect:
    'SVG-elementerne path, circle, ellipse, line, polygon, polyline og rect',
  positionedElements: 'placerede elementer (position er ikke static)',
  replacedElements: 'erstattede elementer (billeder, video og lignende)',
  rubyAnnotationContainers: 'containere til ruby-anmærkninger',
  rubyBasesAnnotationsBaseAnnotationContainers: 'ruby-baser, anmærkninger og deres containere',
  sameAsMargin: 'de samme elementer som margin',
  sameAsWidthAndHeight: 'de samme elementer som width og height',
  scrollContainers: 'rullecontainere',
  scrollingBoxes: 'bokse der kan rulle',
  tableCaptionElements: 'tabeloverskrifter (caption)',
  tableCellElements: 'tabelceller',
  tableElements: 'tabeller',
  textElements: 'tekstelementer',
  textAndBlockContainers: 'tekst og blokcontainere',
  textOrElementsThatAcceptInput: 'tekst og elementer man kan skrive i',
  transformableElements: 'elementer der kan transformeres'
}
