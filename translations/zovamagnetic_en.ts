<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>DesignReport</name>
    <message>
        <source>打印设计报告</source>
        <translation>Print design report</translation>
    </message>
    <message>
        <source>无法打印设计报告：所选的打印机不能开始打印。</source>
        <translation>Cannot print the design report: the chosen printer could not start printing.</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>“%1”已经存在。要替换它吗？</source>
        <translation>“%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>PNG 图像 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>SVG 图像 (*.svg)</source>
        <translation>SVG images (*.svg)</translation>
    </message>
    <message>
        <source>设计文件 (*.json)</source>
        <translation>Design files (*.json)</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>ngspice 模型 (*.cir)</source>
        <translation>ngspice models (*.cir)</translation>
    </message>
    <message>
        <source>LTspice 模型 (*.lib)</source>
        <translation>LTspice models (*.lib)</translation>
    </message>
</context>
<context>
    <name>MDIMain</name>
    <message>
        <source>ZOVA磁芯设计工具</source>
        <translation>ZOVA Core Design Tool</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>计算工具(&amp;D)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>样品申请(&amp;S)</source>
        <translation>Request &amp;samples</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>磁芯选型(&amp;C)</source>
        <translation>&amp;Core selection</translation>
    </message>
    <message>
        <source>环形磁芯感量计算(&amp;L)</source>
        <translation>Toroid &amp;inductance calculator</translation>
    </message>
    <message>
        <source>设计分析(&amp;E)</source>
        <translation>&amp;Design workbench</translation>
    </message>
    <message>
        <source>帮助主题(&amp;M)</source>
        <translation>Help &amp;topics</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>关于磁芯计算软件</source>
        <translation>About the core calculator</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>本工具用于环形磁芯的选型、计算电感量辅助电感设计，如果对计算或选型有任何问题请访问：</source>
        <translation>Selects toroidal cores and calculates inductance for inductor design. Questions? Visit: </translation>
    </message>
    <message>
        <source>如果您需要样品，联系我们：</source>
        <translation>For samples, contact us:</translation>
    </message>
</context>
<context>
    <name>frmChoise</name>
    <message>
        <source>环形磁芯选型</source>
        <translation>Toroidal core selection</translation>
    </message>
    <message>
        <source>用户输入</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>峰值电流(A)</source>
        <translation>Peak current (A)</translation>
    </message>
    <message>
        <source>请输入电流大小</source>
        <translation>Enter the current</translation>
    </message>
    <message>
        <source>电感量(μH)</source>
        <translation>Inductance (μH)</translation>
    </message>
    <message>
        <source>请输入在以上电流下要达到的电感量</source>
        <translation>Inductance needed at that current</translation>
    </message>
    <message>
        <source>磁芯个数</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>磁芯选型</source>
        <translation>Select cores</translation>
    </message>
    <message>
        <source>计算结果：</source>
        <translation>Results:</translation>
    </message>
    <message>
        <source>申请样品</source>
        <translation>Request samples</translation>
    </message>
    <message>
        <source>ZOVA环形磁芯选型说明</source>
        <translation>ZOVA toroidal core selection notes</translation>
    </message>
    <message>
        <source>选型原则：</source>
        <translation>Guidelines:</translation>
    </message>
    <message>
        <source>1、成本考虑，相同尺寸下KTB成本 &lt; KRA成本 &lt; KTA成本</source>
        <translation>1. Cost: at equal size KTB costs less than KRA, KRA less than KTA</translation>
    </message>
    <message>
        <source>2、绕线困难度，如果小尺寸绕线困难，再选择大尺寸</source>
        <translation>2. Winding: if a small core is hard to wind, take a larger one</translation>
    </message>
    <message>
        <source>3、当需求感量过大、体积限制，请考虑多颗磁芯叠用</source>
        <translation>3. High inductance in little space: consider stacking cores</translation>
    </message>
    <message>
        <source>4、当电流大、感量高或其他原因无法选型时，请联系我们</source>
        <translation>4. High current, high inductance or no core found: contact us</translation>
    </message>
    <message>
        <source>磁芯料号说明</source>
        <translation>Part number key</translation>
    </message>
    <message>
        <source>磁芯料号由三部分组成</source>
        <translation>A part number has three parts:</translation>
    </message>
    <message>
        <source>1、前三个字母代表磁芯的系列</source>
        <translation>1. The first three letters: the series</translation>
    </message>
    <message>
        <source>KTA系列等同行业高磁通磁芯</source>
        <translation>KTA: equivalent to High Flux cores</translation>
    </message>
    <message>
        <source>KTB系列等同行业铁硅铝磁芯</source>
        <translation>KTB: equivalent to Sendust cores</translation>
    </message>
    <message>
        <source>KRA系列等同行业铁硅磁芯</source>
        <translation>KRA: equivalent to Fe-Si cores</translation>
    </message>
    <message>
        <source>2、中间三位数字表示磁芯外径尺寸，英寸制</source>
        <translation>2. Middle digits: outside diameter, inch</translation>
    </message>
    <message>
        <source>3、磁芯料号最后三位数字表示磁芯导磁率</source>
        <translation>3. Last three digits: permeability</translation>
    </message>
    <message>
        <source>更多磁芯资料请登陆 </source>
        <translation>More core data at </translation>
    </message>
</context>
<context>
    <name>frmDesign</name>
    <message>
        <source>设计分析</source>
        <translation>Design workbench</translation>
    </message>
    <message>
        <source>磁芯料号(&amp;P)</source>
        <translation>Core &amp;part number</translation>
    </message>
    <message>
        <source>磁芯料号</source>
        <translation>Core part number</translation>
    </message>
    <message>
        <source>绕线圈数(&amp;N)</source>
        <translation>Tur&amp;ns</translation>
    </message>
    <message>
        <source>绕线圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>电流 (A)(&amp;I)</source>
        <translation>B&amp;ias current (A)</translation>
    </message>
    <message>
        <source>电流 (A)</source>
        <translation>Bias current (A)</translation>
    </message>
    <message>
        <source>磁芯个数(&amp;K)</source>
        <translation>Cores in stac&amp;k</translation>
    </message>
    <message>
        <source>磁芯个数</source>
        <translation>Number of cores</translation>
    </message>
    <message>
        <source>开关频率 (kHz)(&amp;Q)</source>
        <translation>Switching fre&amp;quency (kHz)</translation>
    </message>
    <message>
        <source>开关频率 (kHz)</source>
        <translation>Switching frequency (kHz)</translation>
    </message>
    <message>
        <source>直流（不填）</source>
        <translation>DC (leave empty)</translation>
    </message>
    <message>
        <source>纹波电流峰峰值 (A)(&amp;R)</source>
        <translation>&amp;Ripple current, peak-peak (A)</translation>
    </message>
    <message>
        <source>纹波电流峰峰值 (A)</source>
        <translation>Ripple current, peak-peak (A)</translation>
    </message>
    <message>
        <source>AL 容差 (%)(&amp;A)</source>
        <translation>&amp;AL tolerance (%)</translation>
    </message>
    <message>
        <source>AL 容差 (%)</source>
        <translation>AL tolerance (%)</translation>
    </message>
    <message>
        <source>最坏情况：AL 低于标称值的百分数，0 到 30。最小电感量按此计算。</source>
        <translation>Worst case: AL this many percent below nominal, 0 to 30. The minimum inductance is calculated with it.</translation>
    </message>
    <message>
        <source>温升上限 (K)(&amp;B)</source>
        <translation>Temperature rise &amp;bound (K)</translation>
    </message>
    <message>
        <source>温升上限 (K)</source>
        <translation>Temperature rise bound (K)</translation>
    </message>
    <message>
        <source>温升超过此值时警告。</source>
        <translation>Warns when the temperature rise exceeds this value.</translation>
    </message>
    <message>
        <source>磁导率下限 (%)(&amp;G)</source>
        <translation>Permeability warnin&amp;g below (%)</translation>
    </message>
    <message>
        <source>磁导率下限 (%)</source>
        <translation>Permeability warning below (%)</translation>
    </message>
    <message>
        <source>峰值电流下的磁导率保持低于此值时警告。</source>
        <translation>Warns when the permeability retained at peak current falls below this value.</translation>
    </message>
    <message>
        <source>损耗系数 a,b,c(&amp;L)</source>
        <translation>&amp;Loss coefficients a,b,c</translation>
    </message>
    <message>
        <source>损耗系数 a,b,c</source>
        <translation>Loss coefficients a,b,c</translation>
    </message>
    <message>
        <source>P = a·B^b·f^c（mW/cm³，B 为峰值磁通密度 T，f 为 kHz）。不填则用磁芯材料的拟合。</source>
        <translation>P = a·B^b·f^c (mW/cm³, B the peak flux density in T, f in kHz). Left empty, the core material&apos;s fit is used.</translation>
    </message>
    <message>
        <source>设计数据</source>
        <translation>Design data</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>电感量-电流</source>
        <translation>Inductance vs. current</translation>
    </message>
    <message>
        <source>电感量-电流曲线</source>
        <translation>Inductance vs. current curve</translation>
    </message>
    <message>
        <source>磁导率-磁场</source>
        <translation>Permeability vs. field</translation>
    </message>
    <message>
        <source>磁导率-磁场曲线</source>
        <translation>Permeability vs. field curve</translation>
    </message>
    <message>
        <source>变换器</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>拓扑(&amp;T)</source>
        <translation>&amp;Topology</translation>
    </message>
    <message>
        <source>拓扑</source>
        <translation>Topology</translation>
    </message>
    <message>
        <source>降压 (buck)</source>
        <translation>Buck (step-down)</translation>
    </message>
    <message>
        <source>升压 (boost)</source>
        <translation>Boost (step-up)</translation>
    </message>
    <message>
        <source>升降压 (buck-boost，反相)</source>
        <translation>Buck-boost (inverting)</translation>
    </message>
    <message>
        <source>开关频率 (kHz)(&amp;F)</source>
        <translation>Switching &amp;frequency (kHz)</translation>
    </message>
    <message>
        <source>变换器开关频率 (kHz)</source>
        <translation>Converter switching frequency (kHz)</translation>
    </message>
    <message>
        <source>输入电压 (V)(&amp;V)</source>
        <translation>Input &amp;voltage (V)</translation>
    </message>
    <message>
        <source>输入电压 (V)</source>
        <translation>Input voltage (V)</translation>
    </message>
    <message>
        <source>输出电压 (V)(&amp;O)</source>
        <translation>&amp;Output voltage (V)</translation>
    </message>
    <message>
        <source>输出电压 (V)</source>
        <translation>Output voltage (V)</translation>
    </message>
    <message>
        <source>输出电流 (A)(&amp;U)</source>
        <translation>Output c&amp;urrent (A)</translation>
    </message>
    <message>
        <source>输出电流 (A)</source>
        <translation>Output current (A)</translation>
    </message>
    <message>
        <source>磁芯个数(&amp;M)</source>
        <translation>Nu&amp;mber of cores</translation>
    </message>
    <message>
        <source>变换器磁芯个数</source>
        <translation>Converter number of cores</translation>
    </message>
    <message>
        <source>纹波率 ΔI/I(&amp;D)</source>
        <translation>Ripple ratio ΔI/I (&amp;D)</translation>
    </message>
    <message>
        <source>纹波率 ΔI/I</source>
        <translation>Ripple ratio ΔI/I</translation>
    </message>
    <message>
        <source>或电感量 (μH)(&amp;H)</source>
        <translation>Or inductance (μ&amp;H)</translation>
    </message>
    <message>
        <source>或电感量 (μH)</source>
        <translation>Or inductance (μH)</translation>
    </message>
    <message>
        <source>按总损耗选型(&amp;C)</source>
        <translation>&amp;Choose by total loss</translation>
    </message>
    <message>
        <source>候选磁芯</source>
        <translation>Candidate cores</translation>
    </message>
    <message>
        <source>只显示无警告的候选(&amp;W)</source>
        <translation>Only candidates &amp;without warnings</translation>
    </message>
    <message>
        <source>导出 CSV(&amp;E)…</source>
        <translation>&amp;Export CSV…</translation>
    </message>
    <message>
        <source>候选磁芯对比</source>
        <translation>Candidate core comparison</translation>
    </message>
    <message>
        <source>保存图表(&amp;S)…</source>
        <translation>&amp;Save chart…</translation>
    </message>
</context>
<context>
    <name>frmDiangan</name>
    <message>
        <source>环形磁芯电感计算</source>
        <translation>Toroidal core inductance</translation>
    </message>
    <message>
        <source>磁芯料号</source>
        <translation>Core part number</translation>
    </message>
    <message>
        <source>绕线圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>电流大小(A)</source>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>磁芯个数</source>
        <translation>Number of cores</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>计算结果：</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>磁芯料号说明</source>
        <translation>Part number key</translation>
    </message>
    <message>
        <source>磁芯料号由三部分组成</source>
        <translation>A part number has three parts:</translation>
    </message>
    <message>
        <source>1、前三个字母代表磁芯的系列</source>
        <translation>1. The first three letters: the series</translation>
    </message>
    <message>
        <source>KTA系列等同行业高磁通磁芯</source>
        <translation>KTA: equivalent to High Flux cores</translation>
    </message>
    <message>
        <source>KTB系列等同行业铁硅铝磁芯</source>
        <translation>KTB: equivalent to Sendust cores</translation>
    </message>
    <message>
        <source>KRA系列等同行业铁硅磁芯</source>
        <translation>KRA: equivalent to Fe-Si cores</translation>
    </message>
    <message>
        <source>2、中间三位数字表示磁芯外径尺寸，英寸制</source>
        <translation>2. Middle digits: outside diameter, inch</translation>
    </message>
    <message>
        <source>3、磁芯料号最后三位数字表示磁芯导磁率</source>
        <translation>3. Last three digits: permeability</translation>
    </message>
    <message>
        <source>更多磁芯资料请登陆 </source>
        <translation>More core data at </translation>
    </message>
</context>
<context>
    <name>zova::ui::FrmAbout</name>
    <message>
        <source>关于磁芯选型计算工具</source>
        <translation>About the core tool</translation>
    </message>
    <message>
        <source>电话:</source>
        <translation>Phone:</translation>
    </message>
</context>
<context>
    <name>zova::ui::FrmChoise</name>
    <message>
        <source>在设计分析中打开</source>
        <translation>Open in the design workbench</translation>
    </message>
    <message>
        <source>复制全部</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
</context>
<context>
    <name>zova::ui::FrmDesign</name>
    <message>
        <source>设计数据</source>
        <translation>Design data</translation>
    </message>
    <message>
        <source>候选磁芯</source>
        <translation>Candidate cores</translation>
    </message>
    <message>
        <source>保存图表</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>无法生成图表图像，没有保存。</source>
        <translation>Could not render the chart image; nothing was saved.</translation>
    </message>
</context>
<context>
    <name>zova::ui::WorkbenchDocument</name>
    <message>
        <source>设计文件(&amp;J)</source>
        <translation>Pro&amp;ject</translation>
    </message>
    <message>
        <source>打开设计(&amp;O)…</source>
        <translation>&amp;Open design…</translation>
    </message>
    <message>
        <source>保存设计(&amp;S)</source>
        <translation>&amp;Save design</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>Save design &amp;as…</translation>
    </message>
    <message>
        <source>导出报告 (PDF)(&amp;R)…</source>
        <translation>Export &amp;report (PDF)…</translation>
    </message>
    <message>
        <source>打印(&amp;P)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>导出 SPICE 模型(&amp;M)…</source>
        <translation>Export SPICE &amp;model…</translation>
    </message>
    <message>
        <source>导出 SPICE 模型，含损耗(&amp;L)…</source>
        <translation>Export SPICE model with &amp;losses…</translation>
    </message>
    <message>
        <source>最近的设计(&amp;T)</source>
        <translation>Recen&amp;t designs</translation>
    </message>
    <message>
        <source>设计已修改，要保存吗？</source>
        <translation>The design has changed. Save it?</translation>
    </message>
    <message>
        <source>设计已修改，但无法保存：%1
仍要放弃这些改动吗？</source>
        <translation>The design has changed but cannot be saved: %1
Discard the changes anyway?</translation>
    </message>
    <message>
        <source>设计分析</source>
        <translation>Design workbench</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>保存设计</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>打开设计</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>设计文件 (*.json);;所有文件 (*)</source>
        <translation>Design files (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Cannot open “%1”: %2</translation>
    </message>
    <message>
        <source>导出报告</source>
        <translation>Export report</translation>
    </message>
    <message>
        <source>无法生成报告，没有保存。</source>
        <translation>Could not generate the report; nothing was saved.</translation>
    </message>
    <message>
        <source>导出 SPICE 模型</source>
        <translation>Export SPICE model</translation>
    </message>
</context>
</TS>
