-- Links between the reference's Markdown pages lead to their HTML pages: X.md to X.html,
-- README.md (the index) to index.html; anchors stay as they are.
function Link(link)
    local target = link.target
    target = target:gsub("^README%.md", "index.html")
    target = target:gsub("^([%w%-_]+)%.md", "%1.html")
    link.target = target
    return link
end
