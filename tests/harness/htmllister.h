#pragma once

class Tinfotag;
class TestEnvironment;

// Small tag lists and attribute files under C:\Ravnsti\Program\Dir, loaded into a checker:
// html, head, title, body, p, a, div, span, ul, li, table, script, style and b with end tags;
// br, img and input without; "svg" ignored; "disabled" written without a value; attribute
// files for a (href, title), input (type, value, disabled), div (class, id, style) and
// table (border), and "onclick" as a form event allowed on every tag.
void laesHtmlLister(TestEnvironment& env, Tinfotag& taginf);
