<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>main</name>
    <message>
        <source>Makes a picture into a pattern for a wall of colour cubes, in a window.</source>
        <translation>把图片做成彩色魔方墙的图案（窗口程序）。</translation>
    </message>
    <message>
        <source>A picture or a project (.tessaly) to open.</source>
        <translation>要打开的图片或项目（.tessaly）。</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::CubeCard</name>
    <message>
        <source>&lt;b&gt;Cube %1, %2&lt;/b&gt; (column, row from the top left)&lt;br&gt;Face: &lt;tt&gt;%3&lt;/tt&gt;&lt;br&gt;Hold: %4 in front, %5 on top&lt;br&gt;Turns: %6&lt;br&gt;Moves: &lt;tt&gt;%7&lt;/tt&gt;</source>
        <translation>&lt;b&gt;魔方 %1, %2&lt;/b&gt;（从左上角数起的列、行）&lt;br&gt;正面：&lt;tt&gt;%3&lt;/tt&gt;&lt;br&gt;握法：%4 朝前，%5 朝上&lt;br&gt;步数：%6&lt;br&gt;转动：&lt;tt&gt;%7&lt;/tt&gt;</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Click a cube on the wall to see its card.</source>
        <translation>点击墙上的魔方查看它的卡片。</translation>
    </message>
<message>
        <source>white</source>
        <translation>白</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::FiguresPanel</name>
    <message>
        <source>Cubes</source>
        <translation>魔方数</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>贴纸数</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>无颜色</translation>
    </message>
    <message>
        <source>Total turns</source>
        <translation>总步数</translation>
    </message>
    <message>
        <source>Turns a cube</source>
        <translation>每个魔方步数</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>拼装时间</translation>
    </message>
    <message>
        <source>Likeness (lower is better)</source>
        <translation>相似度（越低越好）</translation>
    </message>
    <message>
        <source>&lt; 1 min</source>
        <translation>不到 1 分钟</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>还没有图案。</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::PaletteEditor</name>
    <message>
        <source>Sticker Colours</source>
        <translation>贴纸颜色</translation>
    </message>
    <message>
        <source>Sticker</source>
        <translation>贴纸</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Whether your cubes have this colour</source>
        <translation>你的魔方是否有这种颜色</translation>
    </message>
    <message>
        <source>Pick the colour the sticker has</source>
        <translation>选择贴纸的颜色</translation>
    </message>
    <message>
        <source>%1 and %2 are both %3, but two stickers cannot share a colour: change one or leave one out.</source>
        <translation>%1 和 %2 都是 %3，但两种贴纸不能共用一种颜色：请更改其中一种，或去掉其中一种。</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>导入…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>%1 的颜色</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>导入调色板</translation>
    </message>
    <message>
        <source>Palette files (*.txt *.palette);;All files (*)</source>
        <translation>调色板文件 (*.txt *.palette);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 is not a palette: %2</source>
        <translation>%1 不是调色板：%2</translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>导出调色板</translation>
    </message>
    <message>
        <source>Palette files (*.txt *.palette)</source>
        <translation>调色板文件 (*.txt *.palette)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>A pattern needs at least two colours.</source>
        <translation>图案至少需要两种颜色。</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::SettingsPanel</name>
    <message>
        <source>Turn weight:</source>
        <translation>步数权重：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>最多</translation>
    </message>
    <message>
        <source> turns a cube</source>
        <translation> 步/魔方</translation>
    </message>
    <message>
        <source>Turn limit:</source>
        <translation>步数上限：</translation>
    </message>
    <message>
        <source>Turn weight</source>
        <translation>步数权重</translation>
    </message>
    <message>
        <source>Turn limit</source>
        <translation>步数上限</translation>
    </message>
    <message>
        <source>How much likeness a turn saved is worth: 0 for the likeness alone, more for cubes that are quicker to twist (default %L1)</source>
        <translation>每省一步值多少相似度：0 只看相似度，越大魔方越快拧好（默认 %L1）</translation>
    </message>
    <message>
        <source>Columns × rows</source>
        <translation>列 × 行</translation>
    </message>
    <message>
        <source>About this many cubes</source>
        <translation>大约这么多魔方</translation>
    </message>
    <message>
        <source>A wall has at most %L1 cubes.</source>
        <translation>一面墙最多 %L1 个魔方。</translation>
    </message>
    <message>
        <source>Keep the picture's shape</source>
        <translation>保持图片比例</translation>
    </message>
    <message>
        <source> cubes</source>
        <translation> 个魔方</translation>
    </message>
    <message>
        <source>Wall size:</source>
        <translation>墙的大小：</translation>
    </message>
    <message>
        <source>Crop to the wall</source>
        <translation>裁剪以适合墙</translation>
    </message>
    <message>
        <source>Pad with white</source>
        <translation>用白色填充</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Fit:</source>
        <translation>适配：</translation>
    </message>
    <message>
        <source>Optimised</source>
        <translation>优化</translation>
    </message>
    <message>
        <source>Nearest colour</source>
        <translation>最近颜色</translation>
    </message>
    <message>
        <source>Ordered dithering</source>
        <translation>有序抖动</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>误差扩散</translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation>Atkinson 抖动</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>方法：</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>编辑…</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>对比度：</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>饱和度：</translation>
    </message>
    <message>
        <source>Stretch lightness to the colours</source>
        <translation>按颜色拉伸明度</translation>
    </message>
    <message>
        <source>Auto levels:</source>
        <translation>自动色阶：</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适配</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>Auto levels</source>
        <translation>自动色阶</translation>
    </message>
    <message>
        <source>Wall size</source>
        <translation>墙的大小</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>颜色</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::StudioWindow</name>
    <message>
        <source>Export PDF &amp;Guide…</source>
        <translation>导出 PDF 指南(&amp;G)…</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>导出 CSV(&amp;C)…</translation>
    </message>
    <message>
        <source>Export Pre&amp;view PNG…</source>
        <translation>导出预览 PNG(&amp;V)…</translation>
    </message>
    <message>
        <source>Export Sticker &amp;Map…</source>
        <translation>导出贴纸图(&amp;M)…</translation>
    </message>
    <message>
        <source>Preparing the cube solver…</source>
        <translation>正在准备魔方求解器…</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>正在读取 %1…</translation>
    </message>
    <message>
        <source>The wall's size or framing changed, so your touched-up stickers were cleared. Undo (Ctrl+Z) brings them back.</source>
        <translation>墙的大小或取景已改变，因此你手动修改的贴纸已被清除。撤销（Ctrl+Z）可以恢复它们。</translation>
    </message>
    <message>
        <source>Making the pattern (%1)… %2%</source>
        <translation>正在生成图案（%1）… %2%</translation>
    </message>
    <message>
        <source>Source Picture</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>指南</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>魔方</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Picture…</source>
        <translation>打开图片(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Project…</source>
        <translation>打开项目(&amp;P)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>保存项目(&amp;S)</translation>
    </message>
    <message>
        <source>Save Project &amp;As…</source>
        <translation>项目另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Paint Stickers</source>
        <translation>涂贴纸(&amp;P)</translation>
    </message>
    <message>
        <source>Click or drag on the wall to set stickers to the chosen colour</source>
        <translation>在墙上点击或拖动，把贴纸设为所选颜色</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Fit Wall to Window</source>
        <translation>墙适合窗口(&amp;F)</translation>
    </message>
    <message>
        <source>The colour the paint tool sets</source>
        <translation>涂色工具使用的颜色</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Making the pattern (%1)…</source>
        <translation>正在生成图案（%1）…</translation>
    </message>
    <message>
        <source>No pattern: %1</source>
        <translation>没有图案：%1</translation>
    </message>
    <message>
        <source>Pattern ready: %1 × %2 cubes</source>
        <translation>图案完成：%1 × %2 个魔方</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Paint stickers</source>
        <translation>涂贴纸</translation>
    </message>
    <message>
        <source>Cube %1, %2: face %3, hold %4 in front and %5 on top, %6 turns: %7</source>
        <translation>魔方 %1, %2：正面 %3，%4 朝前、%5 朝上，%6 步：%7</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Cannot use the picture %1:
%2</source>
        <translation>无法使用图片 %1：
%2</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>Cannot open %1: it was saved by a newer version of Tessaly Studio.
%2</source>
        <translation>无法打开 %1：它由更新版本的 Tessaly 工作室保存。
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: the file is damaged or not a project.
%2</source>
        <translation>无法打开 %1：文件已损坏或不是项目。
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: its wall has more than the %2 cubes a wall may have.</source>
        <translation>无法打开 %1：它的墙超过了一面墙最多可有的 %2 个魔方。</translation>
    </message>
    <message>
        <source>The project's picture %1 is not there any more. Do you want to find it?</source>
        <translation>项目的图片 %1 已不在原处。要找到它吗？</translation>
    </message>
    <message>
        <source>Find the Picture</source>
        <translation>找到图片</translation>
    </message>
    <message>
        <source>The picture %1 is not the one the project was made from: its contents differ (SHA-256 %2, the project expects %3). The pattern and its touch-ups may not fit it. Open it anyway?</source>
        <translation>图片 %1 不是项目所用的那张：内容不同（SHA-256 %2，项目期望 %3）。图案和手动修改可能与它不符。仍然打开吗？</translation>
    </message>
    <message>
        <source>Cannot use the project's picture %1:
%2</source>
        <translation>无法使用项目的图片 %1：
%2</translation>
    </message>
    <message>
        <source>Cannot open %1: its crop does not fit the picture.
%2</source>
        <translation>无法打开 %1：它的裁剪区域超出图片。
%2</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>墙</translation>
    </message>
    <message>
        <source>The built-in sample picture has no file a project could refer to. Open a picture of your own first.</source>
        <translation>内置示例图片没有可供项目引用的文件。请先打开你自己的图片。</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2
Any earlier file there is unchanged.</source>
        <translation>无法保存 %1：
%2
原有文件保持不变。</translation>
    </message>
    <message>
        <source>Tessaly projects (*.tessaly)</source>
        <translation>Tessaly 项目 (*.tessaly)</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>The project has changes that are not saved. Save them?</source>
        <translation>项目有未保存的更改。要保存吗？</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff *.pnm *.ppm);;All files (*)</source>
        <translation>图片 (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff *.pnm *.ppm);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Sample picture</source>
        <translation>示例图片</translation>
    </message>
    <message>
        <source>%1[*] — Tessaly Studio</source>
        <translation>%1[*] — Tessaly 工作室</translation>
    </message>
<message>
        <source>optimising</source>
        <translation>优化中</translation>
    </message>
    <message>
        <source>matching nearest colours</source>
        <translation>匹配最近颜色</translation>
    </message>
    <message>
        <source>dithering</source>
        <translation>抖动中</translation>
    </message>
    <message>
        <source>diffusing errors</source>
        <translation>误差扩散中</translation>
    </message>
    <message>
        <source>matching</source>
        <translation>匹配中</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::PatternExport</name>
    <message>
        <source>the wall is too large for a preview picture</source>
        <translation>墙太大，无法生成预览图</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::ExportController</name>
    <message>
        <source>Export PDF Guide</source>
        <translation>导出 PDF 指南</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Export Preview PNG</source>
        <translation>导出预览 PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Export Sticker Map</source>
        <translation>导出贴纸图</translation>
    </message>
    <message>
        <source>Another export is under way: wait for it to finish, or cancel it in the status bar, before starting this one.</source>
        <translation>另一项导出正在进行：请等它完成，或在状态栏中取消它，然后再开始这一项。</translation>
    </message>
    <message>
        <source>Waiting for the pattern…</source>
        <translation>正在等待图案…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>正在写入 %1…</translation>
    </message>
    <message>
        <source>Export cancelled; %1 was not written</source>
        <translation>导出已取消；未写入 %1</translation>
    </message>
    <message>
        <source>Cannot export %1:
%2
Any earlier file there is unchanged.</source>
        <translation>无法导出 %1：
%2
原有文件未被改动。</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>已导出 %1</translation>
    </message>
    <message>
        <source>the current settings make no pattern (the status line says why)</source>
        <translation>当前设置无法生成图案（原因见状态栏）</translation>
    </message>
</context>
<context>
    <name>tessaly::studio::GuideLayoutPanel</name>
    <message>
        <source>Letter</source>
        <translation>Letter（美国信纸）</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>纸张大小：</translation>
    </message>
    <message>
        <source>Top row first</source>
        <translation>从顶行开始</translation>
    </message>
    <message>
        <source>Bottom row first</source>
        <translation>从底行开始</translation>
    </message>
    <message>
        <source>The order of the block pages: bottom row first for a wall built upright from the floor</source>
        <translation>区块页的顺序：从地面竖直拼起的墙选择从底行开始</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <translation>区块：</translation>
    </message>
    <message>
        <source>Panels of at most</source>
        <translation>分成最多</translation>
    </message>
    <message>
        <source>Cut the wall into panels, each with its own section in the guide, for teams and transport</source>
        <translation>把墙分成若干面板，每块在指南中有自己的章节，便于分组和运输</translation>
    </message>
    <message>
        <source>Panels:</source>
        <translation>面板：</translation>
    </message>
    <message>
        <source>Seconds a builder takes for one turn, for the time estimates</source>
        <translation>拼装者转动一步所需的秒数，用于估计时间</translation>
    </message>
    <message>
        <source>Seconds to pick, check and mount one cube</source>
        <translation>拿取、检查并安装一个魔方所需的秒数</translation>
    </message>
    <message>
        <source>Each turn:</source>
        <translation>每步：</translation>
    </message>
    <message>
        <source>Each cube:</source>
        <translation>每个魔方：</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Page size</source>
        <translation>纸张大小</translation>
    </message>
    <message>
        <source>Block order</source>
        <translation>区块顺序</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Seconds per turn</source>
        <translation>每步秒数</translation>
    </message>
    <message>
        <source>Seconds per cube</source>
        <translation>每个魔方秒数</translation>
    </message>
</context>
</TS>