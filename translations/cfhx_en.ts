<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>FORM2</name>
    <message>
        <source>[ 主要計算結果 ]</source>
        <translation>[ Main Results ]</translation>
    </message>
    <message>
        <source>【管内入り側】</source>
        <translation>[Tube inlet]</translation>
    </message>
    <message>
        <source> ℃</source>
        <translation> ℃</translation>
    </message>
    <message>
        <source> kg/h</source>
        <translation> kg/h</translation>
    </message>
    <message>
        <source>【シェル入り側】</source>
        <translation>[Shell inlet]</translation>
    </message>
    <message>
        <source>【管内出側】</source>
        <translation>[Tube outlet]</translation>
    </message>
    <message>
        <source>【シェル出側】</source>
        <translation>[Shell outlet]</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
</context>
<context>
    <name>FORM4</name>
    <message>
        <source>単位系の選択</source>
        <translation>Unit System</translation>
    </message>
    <message>
        <source>旧工学単位系</source>
        <translation>Engineering</translation>
    </message>
    <message>
        <source>ＳＩ単位系</source>
        <translation>SI</translation>
    </message>
</context>
<context>
    <name>FORM5</name>
    <message>
        <source>【&#x3000;主要項目入力&#x3000;】</source>
        <translation>[ Main Input ]</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Step 1</translation>
    </message>
    <message>
        <source>【&#x3000;相関式物性値組成入力 】</source>
        <translation>[ Composition for correlations ]</translation>
    </message>
    <message>
        <source>【 管内側水分量の選択  】</source>
        <translation>[ Tube-side moisture ]</translation>
    </message>
    <message>
        <source>標準空気（ドライ）</source>
        <translation>Standard air (dry)</translation>
    </message>
    <message>
        <source>標準空気と水分混合</source>
        <translation>Std. air + moisture</translation>
    </message>
    <message>
        <source>全成分登録</source>
        <translation>All components</translation>
    </message>
    <message>
        <source>水分容積率</source>
        <translation>Moisture vol.</translation>
    </message>
    <message>
        <source>（％）</source>
        <translation>(%)</translation>
    </message>
    <message>
        <source>絶対湿度</source>
        <translation>Abs. humidity</translation>
    </message>
    <message>
        <source>（kg./kg）</source>
        <translation>(kg/kg)</translation>
    </message>
    <message>
        <source>湿り 飽和温度</source>
        <translation>Saturation temp.</translation>
    </message>
    <message>
        <source>(℃)</source>
        <translation>(℃)</translation>
    </message>
    <message>
        <source>湿りｴﾝﾀﾙﾋﾟｰ</source>
        <translation>Moist enthalpy</translation>
    </message>
    <message>
        <source>(kcal/kg)</source>
        <translation>(kcal/kg)</translation>
    </message>
    <message>
        <source>【 シェル側水分量の選択 】</source>
        <translation>[ Shell-side moisture ]</translation>
    </message>
    <message>
        <source>【 管内側ｶﾞｽ組成 】</source>
        <translation>[ Tube-side gas ]</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>O2</source>
        <translation>O2</translation>
    </message>
    <message>
        <source>N2</source>
        <translation>N2</translation>
    </message>
    <message>
        <source>【 シェル側ｶﾞｽ組成 】</source>
        <translation>[ Shell-side gas ]</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Step 2</translation>
    </message>
    <message>
        <source>&#x3000; 管内側</source>
        <translation>  Tube side</translation>
    </message>
    <message>
        <source>&#x3000;シェル側</source>
        <translation> Shell side</translation>
    </message>
    <message>
        <source>入側流体温度</source>
        <translation>Inlet temp.</translation>
    </message>
    <message>
        <source>（℃）</source>
        <translation>(℃)</translation>
    </message>
    <message>
        <source>出側流体温度</source>
        <translation>Outlet temp.</translation>
    </message>
    <message>
        <source>体積流量</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>(Nm3/h)</source>
        <translation>(Nm3/h)</translation>
    </message>
    <message>
        <source>重量流量</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>（kg/h）</source>
        <translation>(kg/h)</translation>
    </message>
    <message>
        <source>伝熱管長さ</source>
        <translation>Tube length</translation>
    </message>
    <message>
        <source>（ｍｍ）</source>
        <translation>(mm)</translation>
    </message>
    <message>
        <source>【 物性値入力】</source>
        <translation>[ Properties ]</translation>
    </message>
    <message>
        <source>  シェル側</source>
        <translation>  Shell side</translation>
    </message>
    <message>
        <source>密度 ・・・・・・</source>
        <translation>Density ......</translation>
    </message>
    <message>
        <source>（ｋｇ/m3）</source>
        <translation>(kg/m3)</translation>
    </message>
    <message>
        <source>比熱 ・・・・・・・</source>
        <translation>Sp. heat .....</translation>
    </message>
    <message>
        <source>（kcal/kg℃）</source>
        <translation>(kcal/kg℃)</translation>
    </message>
    <message>
        <source>熱伝導率・・・</source>
        <translation>Conductivity ..</translation>
    </message>
    <message>
        <source>（kcal/mh℃）</source>
        <translation>(kcal/mh℃)</translation>
    </message>
    <message>
        <source>動粘性係数</source>
        <translation>Kinem. viscosity</translation>
    </message>
    <message>
        <source>（m2/h）</source>
        <translation>(m2/h)</translation>
    </message>
    <message>
        <source>圧力 ・・・・・・</source>
        <translation>Pressure ......</translation>
    </message>
    <message>
        <source>（ｋｇ/Cm3）</source>
        <translation>(kg/cm3)</translation>
    </message>
    <message>
        <source>凝縮or蒸発潜熱 ・・・・・</source>
        <translation>Latent heat ....</translation>
    </message>
    <message>
        <source>（kcal/kg）</source>
        <translation>(kcal/kg)</translation>
    </message>
    <message>
        <source>液相部密度 ・・・・・</source>
        <translation>Liquid density ..</translation>
    </message>
    <message>
        <source>（ｋｇ/ｍ3）</source>
        <translation>(kg/m3)</translation>
    </message>
    <message>
        <source>液相部比熱 ・・・・・</source>
        <translation>Liquid sp. heat ..</translation>
    </message>
    <message>
        <source>液相部熱伝導率・・</source>
        <translation>Liquid conduct. ..</translation>
    </message>
    <message>
        <source>液相部動粘性係数</source>
        <translation>Liquid kin. visc.</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>サンプル値</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ウィンドウを閉じる</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
</context>
<context>
    <name>FORM6</name>
    <message>
        <source>処理No.を選択してください(既存設定はNo.5です)。</source>
        <translation>Choose a case No. (the default is No. 5).</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> No.</translation>
    </message>
    <message>
        <source>主な算出対象</source>
        <translation>Main results</translation>
    </message>
    <message>
        <source>入力設定項目</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>管内側</source>
        <translation>Tube</translation>
    </message>
    <message>
        <source>管外側</source>
        <translation>Shell</translation>
    </message>
    <message>
        <source>管設定</source>
        <translation>Tubes</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>・管内出側温度</source>
        <translation>・Tube outlet temp.</translation>
    </message>
    <message>
        <source>・管長さ</source>
        <translation>・Tube length</translation>
    </message>
    <message>
        <source>入側温度</source>
        <translation>Inlet T</translation>
    </message>
    <message>
        <source>○</source>
        <translation>○</translation>
    </message>
    <message>
        <source>出側温度</source>
        <translation>Outlet T</translation>
    </message>
    <message>
        <source>－</source>
        <translation>－</translation>
    </message>
    <message>
        <source>流&#x3000;量</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>・管段数</source>
        <translation>・Tube rows</translation>
    </message>
    <message>
        <source>・管列数</source>
        <translation>・Tube columns</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>・管外側流量</source>
        <translation>・Shell flow</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>・管外流量</source>
        <translation>・Shell flow</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>・管外出側温度</source>
        <translation>・Shell outlet temp.</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>・管内出側流量</source>
        <translation>・Tube outlet flow</translation>
    </message>
    <message>
        <source>ウィンドウを閉じる</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
</context>
<context>
    <name>FORM7</name>
    <message>
        <source>熱伝達率の選択</source>
        <translation>Heat Transfer Coefficients</translation>
    </message>
    <message>
        <source>管内側流体選択</source>
        <translation>Tube-side fluid</translation>
    </message>
    <message>
        <source> 顕熱流体</source>
        <translation> Sensible</translation>
    </message>
    <message>
        <source> 潜熱流体</source>
        <translation> Latent</translation>
    </message>
    <message>
        <source>管内蒸発 </source>
        <translation>Evaporating </translation>
    </message>
    <message>
        <source>管内凝縮</source>
        <translation>Condensing</translation>
    </message>
    <message>
        <source>管内/管外 計算で求める</source>
        <translation>Tube/shell: computed</translation>
    </message>
    <message>
        <source>管内側 数値指定(管外は計算式)</source>
        <translation>Tube given (shell computed)</translation>
    </message>
    <message>
        <source>管外側 数値指定（管内は計算式）</source>
        <translation>Shell given (tube computed)</translation>
    </message>
    <message>
        <source>管内/管外 数値指定</source>
        <translation>Tube/shell: given</translation>
    </message>
    <message>
        <source>管内側熱伝達率</source>
        <translation>Tube-side h</translation>
    </message>
    <message>
        <source>（kcal/m2hC）</source>
        <translation>(kcal/m2hC)</translation>
    </message>
    <message>
        <source>管外側熱伝達率</source>
        <translation>Shell-side h</translation>
    </message>
    <message>
        <source>管内側冷媒蒸発圧力</source>
        <translation>Refrig. evap. pressure</translation>
    </message>
    <message>
        <source>( kgf/Cm2 )</source>
        <translation>( kgf/cm2 )</translation>
    </message>
    <message>
        <source>管内側冷媒表面張力</source>
        <translation>Refrig. surface tension</translation>
    </message>
    <message>
        <source>( kgf/m )</source>
        <translation>( kgf/m )</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>ウィンドウを閉じる</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
</context>
<context>
    <name>MAINFORM</name>
    <message>
        <source>【クロスフロー型多管式熱交換器計算プログラム】</source>
        <translation>[Cross-Flow Multi-Tube Heat Exchanger Calculation]</translation>
    </message>
    <message>
        <source>物性値構成</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>物性値相関式自動読み込み</source>
        <translation>Properties from correlations</translation>
    </message>
    <message>
        <source> Select </source>
        <translation> Select </translation>
    </message>
    <message>
        <source>物性値ﾏﾆｭｱﾙ入力</source>
        <translation>Manual properties</translation>
    </message>
    <message>
        <source> 管内側物性</source>
        <translation> Tube side</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source> ｼｪﾙ側物性</source>
        <translation> Shell side</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source> NEXT </source>
        <translation> NEXT </translation>
    </message>
    <message>
        <source>主要条件登録</source>
        <translation>Main conditions</translation>
    </message>
    <message>
        <source>３ ：Ｓ Ｉ単位&#x3000; ４： 工学単位</source>
        <translation>3: SI  4: Eng. units</translation>
    </message>
    <message>
        <source> ↓ ｻﾝﾌﾟﾙ値</source>
        <translation> ↓ Sample</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>閉る</source>
        <translation>Close</translation>
    </message>
    <message>
        <source> 伝熱管外径 Do(mm)</source>
        <translation> Tube OD Do (mm)</translation>
    </message>
    <message>
        <source> 伝熱管内径 Di(mm)</source>
        <translation> Tube ID Di (mm)</translation>
    </message>
    <message>
        <source> 縦方向管ﾋﾟｯﾁ Pv/(Do,Df)</source>
        <translation> Vert. pitch Pv/(Do,Df)</translation>
    </message>
    <message>
        <source> 水平方向管ﾋﾟｯﾁ Ph/(Do,Df)</source>
        <translation> Horiz. pitch Ph/(Do,Df)</translation>
    </message>
    <message>
        <source> 管外ﾌｨﾝ</source>
        <translation> Outer fins</translation>
    </message>
    <message>
        <source> ﾌｨﾝ山数/吋(-)</source>
        <translation> Fins per inch (-)</translation>
    </message>
    <message>
        <source> ﾌｨﾝ高さ(mm)</source>
        <translation> Fin height (mm)</translation>
    </message>
    <message>
        <source> ﾌｨﾝ肉厚(mm)</source>
        <translation> Fin thickness (mm)</translation>
    </message>
    <message>
        <source> 伝熱管配列 1:△、2：□</source>
        <translation> Tube layout 1:△, 2:□</translation>
    </message>
    <message>
        <source> 伝熱管の熱伝導率(kcal/mhc)</source>
        <translation> Tube conductivity (kcal/mhC)</translation>
    </message>
    <message>
        <source> ﾌｨﾝ材の熱伝導率(kcal/mhc)</source>
        <translation> Fin conductivity (kcal/mhC)</translation>
    </message>
    <message>
        <source> 管内汚れ係数(m2hc/kcal)</source>
        <translation> Tube fouling (m2hC/kcal)</translation>
    </message>
    <message>
        <source> ｼｪﾙ側汚れ係数(m2hc/kcal)</source>
        <translation> Shell fouling (m2hC/kcal)</translation>
    </message>
    <message>
        <source> 1:直交流または直交型向流</source>
        <translation> 1: Cross or cross-counterflow</translation>
    </message>
    <message>
        <source> 管内側流体ﾊﾟｽ数(-)</source>
        <translation> Tube-side passes (-)</translation>
    </message>
    <message>
        <source> ｼｪﾙ側流体ﾊﾟｽ数(-)</source>
        <translation> Shell-side passes (-)</translation>
    </message>
    <message>
        <source> 伝熱管段数(-)</source>
        <translation> Tube rows (-)</translation>
    </message>
    <message>
        <source> 伝熱管列数(-)</source>
        <translation> Tube columns (-)</translation>
    </message>
    <message>
        <source> 管内捻りﾃｰﾌﾟ</source>
        <translation> Twisted tape</translation>
    </message>
    <message>
        <source> 捻りﾃｰﾌﾟ肉厚(mm)</source>
        <translation> Tape thickness (mm)</translation>
    </message>
    <message>
        <source> 捻りﾋﾟｯﾁ(peak to peak)(mm) </source>
        <translation> Twist pitch (p-p) (mm) </translation>
    </message>
    <message>
        <source> 凝縮液膜厚さ(mm)</source>
        <translation> Condensate film (mm)</translation>
    </message>
    <message>
        <source> 2:直交型並流</source>
        <translation> 2: Cross-parallel flow</translation>
    </message>
    <message>
        <source>1：無し</source>
        <translation>1: None</translation>
    </message>
    <message>
        <source>2：ﾗｼﾞｱﾙ</source>
        <translation>2: Radial</translation>
    </message>
    <message>
        <source>3：ﾌﾟﾚｰﾄ</source>
        <translation>3: Plate</translation>
    </message>
    <message>
        <source> 1:無し</source>
        <translation> 1: None</translation>
    </message>
    <message>
        <source> 2:有り</source>
        <translation> 2: Yes</translation>
    </message>
    <message>
        <source>管内熱伝達率補正係数</source>
        <translation>Tube h correction factor</translation>
    </message>
    <message>
        <source>管外熱伝達率補正係数</source>
        <translation>Shell h correction factor</translation>
    </message>
    <message>
        <source> 伝熱管の熱伝導率(W/mK)</source>
        <translation> Tube conductivity (W/mK)</translation>
    </message>
    <message>
        <source> ﾌｨﾝ材の熱伝導率(W/mK)</source>
        <translation> Fin conductivity (W/mK)</translation>
    </message>
    <message>
        <source> 管内汚れ係数(m2K/W)</source>
        <translation> Tube fouling (m2K/W)</translation>
    </message>
    <message>
        <source> ｼｪﾙ側汚れ係数(m2K/W)</source>
        <translation> Shell fouling (m2K/W)</translation>
    </message>
    <message>
        <source>  物性値相関式自動読み込み</source>
        <translation>  Properties from correlations</translation>
    </message>
    <message>
        <source>計算開始/再設定</source>
        <translation>Calculate / Reset</translation>
    </message>
    <message>
        <source>入力データ設定及び確認</source>
        <translation>Set and check inputs</translation>
    </message>
    <message>
        <source> 設定確認</source>
        <translation> Check settings</translation>
    </message>
</context>
<context>
    <name>cfhx</name>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>開く…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>結果画面</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>入力 ⇒</source>
        <translation>Input ⇒</translation>
    </message>
    <message>
        <source>ペインの質問への答えをここに入力し、Enter</source>
        <translation>Type the answer to the pane&apos;s question here, then Enter</translation>
    </message>
    <message>
        <source>■ 一時停止中 — Enter または［続行］で再開</source>
        <translation>■ Paused — Enter or [Continue] resumes</translation>
    </message>
    <message>
        <source>続行</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>▶ 入力待ち ⇒</source>
        <translation>▶ Waiting for input ⇒</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>読めません: </source>
        <translation>Cannot read: </translation>
    </message>
    <message>
        <source>保存できません: </source>
        <translation>Cannot save: </translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>画像を保存できません: </source>
        <translation>Cannot save the image: </translation>
    </message>
    <message>
        <source>印刷できません: </source>
        <translation>Cannot print: </translation>
    </message>
    <message>
        <source>プリンタ </source>
        <translation>printer </translation>
    </message>
    <message>
        <source>プリンタ出力を保存できません: </source>
        <translation>Cannot save the printer output: </translation>
    </message>
    <message>
        <source>文字を大きく</source>
        <translation>Larger text</translation>
    </message>
    <message>
        <source>文字を小さく</source>
        <translation>Smaller text</translation>
    </message>
    <message>
        <source>標準の大きさ</source>
        <translation>Standard size</translation>
    </message>
</context>
</TS>
