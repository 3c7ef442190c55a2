#pragma once

class Tinfotag;
class TestEnvironment;

// Small tag lists and attribute files under C:\Ravnsti\Program\Dir, loaded into a checker:
// html, head, title, body, p, a, div, span, ul, li, table, script, style and b with end tags;
// br, img and input without; "font" ignored; "disabled" written without a value; attribute
// files for a (href, title), input (type, value, disabled), div (class, id, style) and
// table (border), and "onclick" as a form event allowed on every tag. Of the nesting rules:
// html, head, body, p and li may leave out their end tag, html, head and body their start tag; an
// <li> closes an open li, a <div>, <p>, <ul> or <table> an open p, a <body>, <p> or <div> an open
// head, an <a> an open a; script, style and title hold text; svg begins SVG, whose elements are
// svg, g and path.
void laesHtmlLister(TestEnvironment& env, Tinfotag& taginf);
// The lists the program ships, copied under C:\Ravnsti\Program\Dir and loaded into a checker.
void laesProgrammetsHtmlLister(TestEnvironment& env, Tinfotag& taginf);
