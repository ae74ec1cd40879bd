<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Application</name>
    <message>
        <location filename="../src/app/Application.cpp" line="+80"/>
        <source>Vesperal 浏览器已经在运行, 但是没有回应.
Vesperal is already running on this profile but does not answer.</source>
        <translation>Vesperal is already running on this profile but does not answer.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>App:Fail to create share memory!</source>
        <translation>Cannot create shared memory.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>地址太长, 不能交给正在运行的 Vesperal 浏览器 (最多 %1 字节).
The address is too long to hand to the running Vesperal (at most %1 bytes).</source>
        <translation>The address is too long to hand over to the running Vesperal (at most %1 bytes).</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>设定代理失败.</source>
        <translation>Cannot set the proxy.</translation>
    </message>
</context>
<context>
    <name>BarArea</name>
    <message>
        <location filename="../src/ui/BarArea.cpp" line="+13"/>
        <source>菜单栏</source>
        <translation>Menu Bar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>常用工具栏</source>
        <translation>Standard Buttons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>搜索:</source>
        <translation>Search</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>搜索: </source>
        <translation>Search: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>地址:</source>
        <translation>Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地址: </source>
        <translation>Address: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>转到栏</source>
        <translation>Go Bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>书签栏</source>
        <translation>Tab Bar</translation>
    </message>
</context>
<context>
    <name>BookmarkDialogs</name>
    <message>
        <location filename="../src/favorites/BookmarkDialogs.cpp" line="+40"/>
        <source>正在导入收藏夹...</source>
        <translation>Importing Favorites...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <location line="+27"/>
        <source>导入收藏夹</source>
        <translation>Import Favorites</translation>
    </message>
    <message>
        <location line="-27"/>
        <location line="+44"/>
        <source>书签文件 (*.htm *.html)</source>
        <translation>Bookmark Files (*.htm *.html)</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>“%1”太大，不是书签文件。</source>
        <translation>“%1” is too large to be a bookmark file.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不能读取“%1”。</source>
        <translation>Cannot read “%1”.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1”中没有可以导入的书签。</source>
        <translation>“%1” contains no bookmarks to import.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>选择要把书签导入到哪个文件夹:</source>
        <translation>Select the folder to import the bookmarks into:</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>已导入 %n 个链接。</source>
        <translation>
            <numerusform>Imported %n link.</numerusform>
            <numerusform>Imported %n links.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n 个链接已经在收藏夹中。</source>
        <translation>
            <numerusform>%n link is already in Favorites.</numerusform>
            <numerusform>%n links are already in Favorites.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n 个书签不能写入。</source>
        <translation>
            <numerusform>%n bookmark could not be written.</numerusform>
            <numerusform>%n bookmarks could not be written.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>导出收藏夹</source>
        <translation>Export Favorites</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>不能写入“%1”。</source>
        <translation>Cannot write “%1”.</translation>
    </message>
</context>
<context>
    <name>BuildStamp</name>
    <message>
        <location filename="../src/app/BuildStamp.cpp" line="+38"/>
        <source>你运行的是一个低版本的 Vesperal 浏览器。
Please download new version from %1</source>
        <translation>You are running an old version of the Vesperal browser.
Please download the new version from %1</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../src/ui/CAboutDlg.cpp" line="+31"/>
        <source>Vesperal 浏览器版本 %1</source>
        <translation>Vesperal browser version %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>关于 Vesperal 浏览器</source>
        <translation>About Vesperal Browser</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>发布日期:</source>
        <translation>Release date:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Qt WebEngine 版本:</source>
        <translation>Qt WebEngine version:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The user interface of this product is built on Qt %1
https://www.qt.io/

网页由 Qt WebEngine %2 显示, 它建立在 Chromium %3 之上 (https://www.chromium.org/)。设置和历史记录保存在 SQLite %4 数据库中 (https://www.sqlite.org/)。工具栏的图标取自 Qt 自带的样式图片。

Qt 和 Qt WebEngine 以 GNU LGPL 第 3 版发布, Chromium 以 BSD 许可证发布, SQLite 属于公共领域。</source>
        <translation>The user interface of this product is built on Qt %1
https://www.qt.io/

Web pages are displayed by Qt WebEngine %2, which is built on Chromium %3 (https://www.chromium.org/). Settings and history are kept in an SQLite %4 database (https://www.sqlite.org/). The toolbar icons are taken from the style images that come with Qt.

Qt and Qt WebEngine are released under the GNU LGPL version 3, Chromium under a BSD license, and SQLite is in the public domain.</translation>
    </message>
</context>
<context>
    <name>CAddFavoriteDlg</name>
    <message>
        <location filename="../src/favorites/CAddFavoriteDlg.cpp" line="+25"/>
        <source>新建文件夹(&amp;N)...</source>
        <translation>&amp;New Folder...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>添加到收藏夹</source>
        <translation>Add to Favorites</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>把这一页添加到收藏夹。</source>
        <translation>Add this page to your Favorites.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>名称(&amp;M):</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>创建到(&amp;I):</source>
        <translation>Create &amp;in:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>“%1”已经存在，不能替换。请换一个名称。</source>
        <translation>“%1” already exists and cannot be replaced. Please choose another name.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>收藏夹中已经有“%1”。要替换它吗?</source>
        <translation>“%1” is already in your Favorites. Do you want to replace it?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>不能写入“%1”。</source>
        <translation>Cannot write “%1”.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>只有 http、https、ftp 和 file 地址可以添加到收藏夹。</source>
        <translation>Only http, https, ftp and file addresses can be added to Favorites.</translation>
    </message>
</context>
<context>
    <name>CCleanDlg</name>
    <message>
        <location filename="../src/clean/CCleanDlg.cpp" line="+30"/>
        <source>清除你的冲浪隐私？</source>
        <translation>Clear Your Browsing Traces?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>全选(全不选)</source>
        <translation>Select All (Select None)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>以后不再显示</source>
        <translation>Don&apos;t show this again</translation>
    </message>
    <message>
        <location filename="../src/clean/CleanTargets.cpp" line="+13"/>
        <source>清除全部小甜点</source>
        <translation>Delete all cookies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除 Cache</source>
        <translation>Clear the cache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除历史</source>
        <translation>Clear the history</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除地址</source>
        <translation>Clear typed addresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除搜索</source>
        <translation>Clear search words</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除临时文件</source>
        <translation>Delete temporary files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除回收站</source>
        <translation>Empty the trash</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除最近打开的文件</source>
        <translation>Clear recently opened files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除运行历史</source>
        <translation>Clear the run history</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除查找文件记录</source>
        <translation>Clear the file search history</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除自动完成密码</source>
        <translation>Clear saved passwords (AutoComplete)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除自动完成表单</source>
        <translation>Clear form data (AutoComplete)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除查找到的计算机</source>
        <translation>Clear the computer search history</translation>
    </message>
</context>
<context>
    <name>CCloneDlg</name>
    <message>
        <location filename="../src/clone/CCloneDlg.cpp" line="+24"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>克隆 - 选取目录</source>
        <translation>Clone - Choose Folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Name(*.mht)</source>
        <translation>File Name (*.mht)</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>你必须选择一文件!</source>
        <translation>You must choose a file.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>创建目录失败!<byte value="xd"/>
不要输入 /\*?:&quot;&gt;&lt;  作为你的目录名称!</source>
        <translation>Could not create the folder.<byte value="xd"/>
A folder name cannot contain any of /\*?:&quot;&gt;&lt;</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>不要输入 /\*?:&quot;&gt;&lt;  在你的文件名称!</source>
        <translation>A file name cannot contain any of /\*?:&quot;&gt;&lt;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>选择一目录保存克隆文件</source>
        <translation>Choose a folder to save the cloned files in</translation>
    </message>
</context>
<context>
    <name>CCloneProgressDlg</name>
    <message>
        <location filename="../src/clone/CCloneProgressDlg.cpp" line="+37"/>
        <source>最小化(&amp;M)</source>
        <translation>&amp;Minimize</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>中止(&amp;A)</source>
        <translation>&amp;Abort</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>克隆该页...</source>
        <translation>Cloning Page...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>克隆</source>
        <translation>Clone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>CCookieEditorDlg</name>
    <message>
        <location filename="../src/pages/CCookieEditorDlg.cpp" line="+11"/>
        <source>更改小甜点</source>
        <translation>Change Cookies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>小甜点编辑器</source>
        <translation>Cookie Editor</translation>
    </message>
</context>
<context>
    <name>CFavoriteFolderDlg</name>
    <message>
        <location filename="../src/favorites/CFavoriteFolderDlg.cpp" line="+16"/>
        <source>新建文件夹(&amp;N)...</source>
        <translation>&amp;New Folder...</translation>
    </message>
</context>
<context>
    <name>CFavoritePropertiesDlg</name>
    <message>
        <location filename="../src/favorites/CFavoritePropertiesDlg.cpp" line="+27"/>
        <source>%1 属性</source>
        <translation>%1 Properties</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Internet 快捷方式</source>
        <translation>Internet Shortcut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>位置:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>修改时间:</source>
        <translation>Modified:</translation>
    </message>
</context>
<context>
    <name>CFavoritesPanel</name>
    <message>
        <location filename="../src/favorites/CFavoritesPanel.cpp" line="+134"/>
        <source>添加到收藏夹</source>
        <translation>Add to Favorites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>整理收藏夹</source>
        <translation>Organize Favorites</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>属性...</source>
        <translation>Properties...</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Delete Directory Failed</source>
        <translation>Deleting the folder failed.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>不能创建快捷方式:
%1</source>
        <translation>Cannot create the shortcut:
%1</translation>
    </message>
</context>
<context>
    <name>COrganizeFavoritesDlg</name>
    <message>
        <location filename="../src/favorites/COrganizeFavoritesDlg.cpp" line="+39"/>
        <source>新建文件夹(&amp;C)</source>
        <translation>&amp;New Folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重命名(&amp;R)</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>移至文件夹(&amp;M)...</source>
        <translation>&amp;Move to Folder...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>整理收藏夹</source>
        <translation>Organize Favorites</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>要创建新文件夹，请单击“新建文件夹”按钮。要重命名或删除项目，请选择该项目，然后单击“重命名”或“删除”。</source>
        <translation>To create a new folder, click the “New Folder” button. To rename or delete an item, select the item and click “Rename” or “Delete”.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新名称:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>已经有名为“%1”的文件或文件夹。</source>
        <translation>There is already a file or folder named “%1”.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>不能把“%1”重命名为“%2”。</source>
        <translation>Cannot rename “%1” to “%2”.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>移至文件夹</source>
        <translation>Move to Folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择要将“%1”移入的文件夹。</source>
        <translation>Select the folder to move “%1” into.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>不能把文件夹“%1”移到它自己里面。</source>
        <translation>Cannot move the folder “%1” into itself.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>目标文件夹中已经有“%1”。</source>
        <translation>The destination folder already contains “%1”.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>不能移动“%1”。</source>
        <translation>Cannot move “%1”.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>“%1”不能移到回收站。要永久删除它吗?</source>
        <translation>“%1” cannot be moved to the Recycle Bin. Do you want to delete it permanently?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete Directory Failed</source>
        <translation>The folder cannot be deleted.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>不能删除“%1”。</source>
        <translation>Cannot delete “%1”.</translation>
    </message>
</context>
<context>
    <name>CPagePropertiesDlg</name>
    <message>
        <location filename="../src/pages/CPagePropertiesDlg.cpp" line="+25"/>
        <source>安全 (加密连接)</source>
        <translation>Secure (encrypted connection)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不安全</source>
        <translation>Not secure</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+9"/>
        <source>不可用</source>
        <translation>Not available</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 (%2 字节)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>属性</source>
        <translation>Properties</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>标题:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>连接:</source>
        <translation>Connection:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>大小:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>修改日期:</source>
        <translation>Modified:</translation>
    </message>
</context>
<context>
    <name>CProxyLoginDlg</name>
    <message>
        <location filename="../src/ui/CProxyLoginDlg.cpp" line="+16"/>
        <source>在本次会话中记住(&amp;R)</source>
        <translation>&amp;Remember for this session</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>代理服务器登录</source>
        <translation>Proxy Server Login</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>代理服务器 %1 要求输入用户名和密码。</source>
        <translation>The proxy server %1 requires a user name and password.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>领域:</source>
        <translation>Realm:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>用户名(&amp;U):</source>
        <translation>&amp;User name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>密码(&amp;P):</source>
        <translation>&amp;Password:</translation>
    </message>
</context>
<context>
    <name>CSaveTextDlg</name>
    <message>
        <location filename="../src/pages/CSaveTextDlg.cpp" line="+20"/>
        <source>以后不再显示</source>
        <translation>Don&apos;t show this again</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Text File (*.txt)</source>
        <translation>Text Files (*.txt)</translation>
    </message>
</context>
<context>
    <name>CTMain</name>
    <message>
        <location filename="../src/frame/CTMain.cpp" line="+141"/>
        <source>工作区栏</source>
        <translation>Explorer Bar</translation>
    </message>
</context>
<context>
    <name>CWebBrowser2</name>
    <message>
        <location filename="../src/pages/PageEvents.cpp" line="+167"/>
        <source>%1

%2
行: %3</source>
        <translation>%1

%2
Line: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>脚本错误!</source>
        <translation>Script error!</translation>
    </message>
</context>
<context>
    <name>CleanCommands</name>
    <message>
        <location filename="../src/clean/CleanCommands.cpp" line="+154"/>
        <source>正在清除...</source>
        <translation>Clearing...</translation>
    </message>
</context>
<context>
    <name>ClientPrograms</name>
    <message>
        <location filename="../src/frame/ClientPrograms.cpp" line="+91"/>
        <location line="+16"/>
        <source>发送电子邮件失败。</source>
        <translation>Cannot send the e-mail.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>载入地址簿失败。</source>
        <translation>Cannot open the address book.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>(无)</source>
        <translation>(None)</translation>
    </message>
</context>
<context>
    <name>CloneCommands</name>
    <message>
        <location filename="../src/clone/CloneCommands.cpp" line="+96"/>
        <source>没有网页保存!</source>
        <translation>There are no pages to save.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>下列文件不能写入:
%1</source>
        <translation>The following files could not be written:
%1</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <location filename="../src/frame/CommandTable.cpp" line="+36"/>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>打开一个新的空白页</source>
        <translation>Opens a new blank page</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>空白页(&amp;B)</source>
        <translation>&amp;Blank Page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>首页(&amp;H)</source>
        <translation>&amp;Home Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在新的页面中打开主页</source>
        <translation>Opens the home page in a new page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>当前页(&amp;R)</source>
        <translation>Cu&amp;rrent Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在新的页面中再打开当前页</source>
        <translation>Opens the current page again in a new page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>剪贴板中的 URL (&amp;C)</source>
        <translation>URL from &amp;Clipboard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在新的页面中打开剪贴板中的地址</source>
        <translation>Opens the address on the clipboard in a new page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打开一个地址或文件</source>
        <translation>Opens an address or a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打开文件(&amp;F)...</source>
        <translation>Open &amp;File...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在新的页面中打开一个或几个文件</source>
        <translation>Opens one or more files in new pages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vesperal 主页(&amp;W)</source>
        <translation>Vesperal on the &amp;Web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>访问 Vesperal 的网站</source>
        <translation>Visits the Vesperal web site</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭当前页(&amp;C)</source>
        <translation>&amp;Close Current Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭当前页</source>
        <translation>Closes the current page</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>关闭  (双击)(&amp;C)</source>
        <translation>&amp;Close (Double-click)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭这个页面</source>
        <translation>Closes this page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭全部窗口</source>
        <translation>Close All Pages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭全部页面</source>
        <translation>Closes all pages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全部关闭- 保留当前页(&amp;K)</source>
        <translation>Close All - &amp;Keep Current Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭除当前页以外的全部页面</source>
        <translation>Closes all pages except the current one</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全部关闭- 保留该书签(&amp;K)</source>
        <translation>Close All - &amp;Keep This Tab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭除这个页面以外的全部页面</source>
        <translation>Closes all pages except this one</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭该域全部书签(&amp;D)</source>
        <translation>Close All Tabs of This &amp;Domain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭这个网站的全部页面</source>
        <translation>Closes all pages of this web site</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭全部错误页...</source>
        <translation>Close All Error Pages...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭全部打不开的页面</source>
        <translation>Closes all pages that could not be opened</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打开最后关闭的页</source>
        <translation>Reopen Last Closed Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>再打开最后关闭的页面</source>
        <translation>Reopens the page that was closed last</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>锁定该书签(&amp;L)...</source>
        <translation>&amp;Lock This Tab...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>锁定的页面不会被关闭</source>
        <translation>A locked page cannot be closed</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>刷新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>刷新这个页面</source>
        <translation>Refreshes this page</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>停止这个页面</source>
        <translation>Stops loading this page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>停止打开当前页</source>
        <translation>Stops loading the current page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>停止全部</source>
        <translation>Stop All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>停止打开全部页面</source>
        <translation>Stops loading all pages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>刷新当前页</source>
        <translation>Refreshes the current page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>刷新全部</source>
        <translation>Refresh All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>刷新全部页面</source>
        <translation>Refreshes all pages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>后退(&amp;B)</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>后退到上一页</source>
        <translation>Goes back to the previous page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>前进(&amp;F)</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>前进到下一页</source>
        <translation>Goes forward to the next page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>主页(&amp;H)</source>
        <translation>&amp;Home</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打开主页</source>
        <translation>Opens the home page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>剪切(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>剪切选定的内容</source>
        <translation>Cuts the selection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>复制选定的内容</source>
        <translation>Copies the selection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粘贴剪贴板的内容</source>
        <translation>Pastes the contents of the clipboard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全选(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选定全部内容</source>
        <translation>Selects all the content</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>撤销上一步操作</source>
        <translation>Undoes the last action</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重做上一步撤销的操作</source>
        <translation>Redoes the last undone action</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存(&amp;S)...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存当前页</source>
        <translation>Saves the current page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存为 HTML(&amp;H)...</source>
        <translation>Save as &amp;HTML...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>只把当前页的 HTML 保存为一个文件</source>
        <translation>Saves only the HTML of the current page to a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>克隆该页！(&amp;C)</source>
        <translation>Clon&amp;e This Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>把当前页和它链接的网页保存到磁盘</source>
        <translation>Saves the current page and the pages it links to on disk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存全部被打开...</source>
        <translation>Save All Open Pages...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>把全部打开的网页保存到磁盘</source>
        <translation>Saves all open pages to disk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>复制另存当前页...</source>
        <translation>Save a Copy of This Page...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>把当前页的复制保存为一个 Web 档案文件
保存复制</source>
        <translation>Saves a copy of the current page as a web archive file
Save a Copy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>打印(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打印当前页</source>
        <translation>Prints the current page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打印设置...</source>
        <translation>Print Setup...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择打印的纸张、方向和页边距</source>
        <translation>Chooses the paper, orientation and margins for printing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打印预览...</source>
        <translation>Print Preview...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>显示当前页打印出来的样子</source>
        <translation>Shows how the current page will look when printed</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>属性...</source>
        <translation>Properties...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>显示当前页的属性</source>
        <translation>Shows the properties of the current page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>显示这个页面的属性</source>
        <translation>Shows the properties of this page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>查看源文件(&amp;V)</source>
        <translation>&amp;View Source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在新的页面中显示当前页的源文件</source>
        <translation>Shows the source of the current page in a new page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>编辑模式</source>
        <translation>Edit Mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>直接编辑当前页</source>
        <translation>Edits the current page directly</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自动滚动网页</source>
        <translation>Auto Scroll Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>慢慢向下滚动当前页, 点击或按键就停止
滚屏</source>
        <translation>Scrolls the current page down slowly; click or press a key to stop
Auto Scroll</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Internet 选项(&amp;I)</source>
        <translation>Internet &amp;Options...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>设置连接网络的代理服务器</source>
        <translation>Sets the proxy server used to connect to the network</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>该网页的小甜点(&amp;K)</source>
        <translation>Cook&amp;ies of This Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>查看和更改当前页的小甜点 (Cookie)</source>
        <translation>Views and changes the cookies of the current page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>查看文字(&amp;T)</source>
        <translation>View &amp;Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在文本编辑器中显示当前页的文字</source>
        <translation>Shows the text of the current page in a text editor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上一目录(&amp;U)</source>
        <translation>&amp;Up One Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打开地址的上一级目录</source>
        <translation>Opens the folder one level up in the address</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>发送桌面快捷方式(&amp;S)</source>
        <translation>&amp;Shortcut to Desktop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在桌面上建立当前页的快捷方式</source>
        <translation>Creates a shortcut to the current page on the desktop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>发送电子邮件页面(&amp;P)</source>
        <translation>&amp;Page by E-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>用电子邮件发送当前页</source>
        <translation>Sends the current page by e-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>发送电子邮件链接(&amp;L)</source>
        <translation>&amp;Link by E-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>用电子邮件发送当前页的地址</source>
        <translation>Sends the address of the current page by e-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>经由电子邮件告诉朋友(&amp;T)...</source>
        <translation>&amp;Tell a Friend by E-mail...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>用电子邮件向当前页链接的地址推荐 Vesperal</source>
        <translation>Recommends Vesperal by e-mail to the addresses linked from the current page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在默认浏览器中打开(&amp;B)</source>
        <translation>Open in Default &amp;Browser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在桌面的默认浏览器中打开当前页</source>
        <translation>Opens the current page in the desktop&apos;s default browser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>载入图像(&amp;I)</source>
        <translation>Load &amp;Images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面显示图像</source>
        <translation>Pages show images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>载入视频(&amp;V)</source>
        <translation>Load &amp;Videos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面播放视频</source>
        <translation>Pages play videos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>载入声音(&amp;S)</source>
        <translation>Load So&amp;unds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面播放背景声音</source>
        <translation>Pages play background sounds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>载入动画(&amp;A)</source>
        <translation>Load &amp;Animations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面播放动画</source>
        <translation>Pages play animations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁用脚本</source>
        <translation>Disable Scripts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面不运行脚本</source>
        <translation>Pages do not run scripts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁用 JAVA(&amp;J)</source>
        <translation>Disable &amp;Java</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面不运行 Java</source>
        <translation>Pages do not run Java</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁用 ActiveX</source>
        <translation>Disable ActiveX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面不运行插件</source>
        <translation>Pages do not run plug-ins</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>脱机工作(&amp;L)</source>
        <translation>Work Off&amp;line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不连接网络, 只显示已保存的内容</source>
        <translation>Does not connect to the network; shows saved content only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自定义(&amp;C)...</source>
        <translation>&amp;Customize...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自定义工具栏</source>
        <translation>Customizes the toolbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>搜索栏(&amp;E)</source>
        <translation>S&amp;earch Bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>显示或隐藏搜索栏</source>
        <translation>Shows or hides the search bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>快捷键列表(&amp;K)...</source>
        <translation>&amp;Keyboard Shortcuts...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>显示全部快捷键</source>
        <translation>Shows all keyboard shortcuts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>启用代理服务器(&amp;E)</source>
        <translation>&amp;Enable Proxy Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>启用代理服务器，你能够匿名冲浪。</source>
        <translation>Enables the proxy server so that you can surf anonymously.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自动更改伪装(多代理服务器)</source>
        <translation>Change Disguise Automatically (Multiple Proxy Servers)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在一秒到 60 秒之间自动更改伪装。</source>
        <translation>Changes your disguise automatically every 1 to 60 seconds.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>整理代理服务器(&amp;O)...</source>
        <translation>&amp;Organize Proxy Servers...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>整理代理服务器，更新代理服务器列表。</source>
        <translation>Organizes the proxy servers and updates the proxy server list.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>更新代理服务器列表(&amp;U)...</source>
        <translation>&amp;Update Proxy Server List...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>更新代理服务器列表。你现在务必是在线。</source>
        <translation>Updates the proxy server list. You must be online to do this.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>检查匿名(&amp;C)...</source>
        <translation>&amp;Check Anonymity...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>匿名检查</source>
        <translation>Checks your anonymity</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>帮助主题(&amp;H)</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打开帮助</source>
        <translation>Opens the help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>检查新版本(&amp;N)</source>
        <translation>Check for &amp;New Version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>检查新版本Vesperal浏览器。</source>
        <translation>Checks for a new version of the Vesperal browser.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关于Vesperal(&amp;A)...</source>
        <translation>&amp;About Vesperal...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>显示程序信息，版本号和版权</source>
        <translation>Shows program information, version number and copyright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>默认电子邮件(&amp;E)</source>
        <translation>Default &amp;E-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>启动默认的电子邮件程序</source>
        <translation>Starts the default e-mail program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地址簿(&amp;A)</source>
        <translation>&amp;Address Book</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>启动默认的地址簿程序</source>
        <translation>Starts the default address book program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最大的</source>
        <translation>Largest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面文字最大</source>
        <translation>Shows page text at the largest size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>较大</source>
        <translation>Larger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面文字较大</source>
        <translation>Shows page text at a larger size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>中等</source>
        <translation>Medium</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面文字中等</source>
        <translation>Shows page text at medium size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>较小</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面文字较小</source>
        <translation>Shows page text at a smaller size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Smallest</source>
        <translation>Smallest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>页面文字最小</source>
        <translation>Shows page text at the smallest size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>隐藏(&amp;H)</source>
        <translation>Hide &amp;Window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>隐藏窗口, 按 Ctrl+Q 再显示</source>
        <translation>Hides the window; press Ctrl+Q to show it again</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>显示/隐藏 浏览器栏</source>
        <translation>Show/Hide Explorer Bar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>添加到收藏夹(&amp;A)...</source>
        <translation>&amp;Add to Favorites...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>添加当前页到收藏夹。</source>
        <translation>Adds the current page to Favorites.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>添加到收藏夹...</source>
        <translation>Add to Favorites...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>添加这个页面到收藏夹</source>
        <translation>Adds this page to Favorites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>整理收藏夹(&amp;O)...</source>
        <translation>&amp;Organize Favorites...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>整理收藏夹</source>
        <translation>Organize Favorites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>导入收藏夹...</source>
        <translation>Import Favorites...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>从书签文件导入收藏夹</source>
        <translation>Imports Favorites from a bookmark file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>导出收藏夹...</source>
        <translation>Export Favorites...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>把收藏夹导出到书签文件</source>
        <translation>Exports Favorites to a bookmark file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>收藏夹(&amp;F)</source>
        <translation>&amp;Favorites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>查看收藏夹</source>
        <translation>Shows Favorites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>历史(&amp;H)</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>查看历史</source>
        <translation>Shows the history</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全屏</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全屏显示页面</source>
        <translation>Shows the page on the full screen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>空白页</source>
        <translation>Blank Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>启动时打开空白页</source>
        <translation>Opens a blank page at startup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>主页</source>
        <translation>Home Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>启动时打开主页</source>
        <translation>Opens the home page at startup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上次浏览的页面</source>
        <translation>Pages from Last Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>启动时打开上次浏览的页面</source>
        <translation>Opens the pages from last time at startup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>URL 列表</source>
        <translation>URL List</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>启动时打开 URL 列表中的页面</source>
        <translation>Opens the pages in the URL list at startup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最前面显示正在打开的页面</source>
        <translation>Bring New Pages to the Front</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新打开的页面显示在最前面</source>
        <translation>Newly opened pages are shown in front</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新打开的窗口紧靠当前窗口</source>
        <translation>Open New Pages Next to the Current One</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新打开的页面放在当前页后面</source>
        <translation>Places newly opened pages right after the current page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁止弹出错误信息(&amp;E)</source>
        <translation>Suppress Script &amp;Error Messages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>脚本错误只显示在状态栏</source>
        <translation>Script errors are shown only in the status bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁止弹出窗口(&amp;K)</source>
        <translation>Block &amp;Pop-up Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁止网页自己打开的窗口</source>
        <translation>Blocks windows that pages open by themselves</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上一书签(&amp;P)</source>
        <translation>&amp;Previous Tab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择上一个页面</source>
        <translation>Selects the previous page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>下一书签(&amp;N)</source>
        <translation>&amp;Next Tab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择下一个页面</source>
        <translation>Selects the next page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>书签在底部显示(&amp;B)</source>
        <translation>T&amp;abs at the Bottom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>把书签栏放在窗口底部</source>
        <translation>Places the tab bar at the bottom of the window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>锁定工具栏(&amp;O)</source>
        <translation>Lock the T&amp;oolbars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>锁定工具栏的位置</source>
        <translation>Locks the position of the toolbars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁止状态栏滚动字幕(&amp;S)</source>
        <translation>No Scrolling Text in Status &amp;Bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>状态栏只显示地址</source>
        <translation>The status bar shows addresses only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粉红色(&amp;P)</source>
        <translation>&amp;Pink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粉红色的外观</source>
        <translation>A pink look</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XP 主题(&amp;X)</source>
        <translation>&amp;XP Theme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清新明亮的外观</source>
        <translation>A fresh, bright look</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 传统(&amp;W)</source>
        <translation>&amp;Windows Classic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>传统的外观</source>
        <translation>The classic look</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>显示文字标签(&amp;X)</source>
        <translation>Show Te&amp;xt Labels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在常用工具栏的按钮下显示文字</source>
        <translation>Shows text under the buttons of the standard toolbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>点击时播放声音...</source>
        <translation>Play Sounds on Click...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>点击时播放声音</source>
        <translation>Plays a sound when you click</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭 Vesperal</source>
        <translation>Closes Vesperal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>转到</source>
        <translation>Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打开地址栏中的地址</source>
        <translation>Opens the address in the address bar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SetFocusToAddressBar</source>
        <translation>Set Focus to Address Bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>把焦点移到地址栏</source>
        <translation>Moves the focus to the address bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地址的上一部分</source>
        <translation>Previous Part of Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选中地址中的上一部分</source>
        <translation>Selects the previous part of the address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地址的下一部分</source>
        <translation>Next Part of Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选中地址中的下一部分</source>
        <translation>Selects the next part of the address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入地址在新窗口打开(&amp;N)</source>
        <translation>Open Typed Addresses in a &amp;New Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在新的页面中打开地址栏里输入的地址</source>
        <translation>Opens the address typed in the address bar in a new page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自动完成功能(&amp;F)...</source>
        <translation>AutoComplete &amp;Feature...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入地址时提示和补全</source>
        <translation>Suggests and completes addresses as you type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>转到默认搜索引擎</source>
        <translation>Search with Default Engine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>用默认的搜索引擎搜索查找框里的文字</source>
        <translation>Searches for the text in the search box with the default search engine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>在本页查找</source>
        <translation>Find in This Page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在本页查找当前的词</source>
        <translation>Finds the current word in this page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>标记符</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在本页标记查找框里的全部词</source>
        <translation>Highlights all the words of the search box in this page</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>全部搜索</source>
        <translation>Search All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>用全部搜索引擎搜索查找框里的文字</source>
        <translation>Searches for the text in the search box with all search engines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除搜索</source>
        <translation>Clear Search</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除搜索关键字</source>
        <translation>Clears the search keywords</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>清除全部(&amp;A)</source>
        <translation>Clear &amp;All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除以下全部</source>
        <translation>Clears all of the items below</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除小甜点(&amp;C)</source>
        <translation>Clear &amp;Cookies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除你的计算机的cookies</source>
        <translation>Clears the cookies on your computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除 Cache</source>
        <translation>Clear Cache</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>清除历史</source>
        <translation>Clear History</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>清除地址</source>
        <translation>Clear Addresses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>清除临时文件</source>
        <translation>Clear Temporary Files</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>清除回收站</source>
        <translation>Clear Recycle Bin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清空回收站</source>
        <translation>Empties the Recycle Bin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除最近打开文件</source>
        <translation>Clear Recent Files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除历史文档</source>
        <translation>Clears the list of recent documents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除运行历史记录</source>
        <translation>Clear Run History</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除运行历史</source>
        <translation>Clears the history of run commands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除查找文件记录</source>
        <translation>Clear File Search History</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>清除自动完成密码</source>
        <translation>Clear AutoComplete Passwords</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>清除自动完成表单</source>
        <translation>Clear AutoComplete Forms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除查找到的计算机</source>
        <translation>Clear Found Computers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除查找到的电脑</source>
        <translation>Clears the list of computers found by searching</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自定义引擎</source>
        <translation>Customize Engines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>编辑搜索引擎列表 (SearchEngines.ini)</source>
        <translation>Edits the list of search engines (SearchEngines.ini)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自定义...</source>
        <translation>Customize...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>编辑翻译服务列表 (TranslateEngines.ini)</source>
        <translation>Edits the list of translation services (TranslateEngines.ini)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>恢复的页面在显示时才打开</source>
        <translation>Load Restored Pages Only When Shown</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上次浏览的页面在第一次显示时才打开, 启动更快</source>
        <translation>Pages from last time are loaded only when first shown, for a faster startup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自定义 URL 列表</source>
        <translation>Customize URL List</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>编辑启动时打开的 URL 列表 (startuplist.txt)</source>
        <translation>Edits the list of URLs opened at startup (startuplist.txt)</translation>
    </message>
</context>
<context>
    <name>CustomizeCommands</name>
    <message>
        <location filename="../src/frame/CustomizeCommands.cpp" line="+109"/>
        <source>自定义外部工具...</source>
        <translation>Customize External Tools...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>无法启动 &quot;%1&quot;.</source>
        <translation>Cannot start &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialog</name>
    <message>
        <location filename="../src/ui/CustomizeDialog.cpp" line="+21"/>
        <source>自定义</source>
        <translation>Customize</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>上移(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>下移(&amp;D)</source>
        <translation>Move &amp;Down</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重置(&amp;R)</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>删除(&amp;E)</source>
        <translation>R&amp;emove</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>新工具</source>
        <translation>New Tool</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>选择程序</source>
        <translation>Choose Program</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>命令:</source>
        <translation>Command:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>参数:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>外部工具</source>
        <translation>External Tools</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>—— 分隔线 ——</source>
        <translation>—— Separator ——</translation>
    </message>
</context>
<context>
    <name>Encodings</name>
    <message>
        <location filename="../src/pages/Encodings.cpp" line="+8"/>
        <source>自动选择(&amp;A)</source>
        <translation>&amp;Auto-Select</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>简体中文(GB2321)</source>
        <translation>Chinese Simplified (GB2312)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>繁体中文(Big5)</source>
        <translation>Chinese Traditional (Big5)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unicode(UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unicode(UTF-7)</source>
        <translation>Unicode (UTF-7)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US-ASCII</source>
        <translation>US-ASCII</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>西欧(ISO-8859-1)</source>
        <translation>Western European (ISO-8859-1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>中欧(ISO-8859-2)</source>
        <translation>Central European (ISO-8859-2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>南欧(ISO-8859-3)</source>
        <translation>South European (ISO-8859-3)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>波罗的海文(ISO-8859-4)</source>
        <translation>Baltic (ISO-8859-4)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>西里尔文(ISO-8859-5)</source>
        <translation>Cyrillic (ISO-8859-5)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>阿拉伯文(ISO-8859-6)</source>
        <translation>Arabic (ISO-8859-6)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>希腊文(ISO-8859-7)</source>
        <translation>Greek (ISO-8859-7)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>希伯来文(ISO-8859-8)</source>
        <translation>Hebrew (ISO-8859-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>土耳其文(ISO-8859-9)</source>
        <translation>Turkish (ISO-8859-9)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>韩文(koi8-r)(&amp;K)</source>
        <translation>Cyrillic (&amp;KOI8-R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日文(JIS)</source>
        <translation>Japanese (JIS)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日文(EUC)</source>
        <translation>Japanese (EUC)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日文(Shift-JIS)</source>
        <translation>Japanese (Shift-JIS)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>韩文(ISO-2022-KR)</source>
        <translation>Korean (ISO-2022-KR)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>韩文(EUC-KR)</source>
        <translation>Korean (EUC-KR)</translation>
    </message>
</context>
<context>
    <name>EngineMenus</name>
    <message>
        <location filename="../src/frame/EngineMenus.cpp" line="+37"/>
        <source>文化(&amp;A)</source>
        <translation>&amp;Arts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>商业(&amp;B)</source>
        <translation>&amp;Business</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>计算机(&amp;C)</source>
        <translation>&amp;Computers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Games</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>卫生与健康(&amp;H)</source>
        <translation>&amp;Health</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>家庭(&amp;O)</source>
        <translation>H&amp;ome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>儿童和青少年(&amp;K)</source>
        <translation>&amp;Kids and Teens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新闻(&amp;N)</source>
        <translation>&amp;News</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>娱乐(&amp;E)</source>
        <translation>R&amp;ecreation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>参考(&amp;R)</source>
        <translation>&amp;Reference</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区域</source>
        <translation>Regional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>科学(&amp;I)</source>
        <translation>Sc&amp;ience</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>购物(&amp;S)</source>
        <translation>&amp;Shopping</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>社交</source>
        <translation>Society</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>运动(&amp;P)</source>
        <translation>S&amp;ports</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>全部搜索</source>
        <translation>Search All</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>清除搜索</source>
        <translation>Clear Search</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自定义引擎</source>
        <translation>Customize Engines</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+13"/>
        <source>自定义...</source>
        <translation>Customize...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 错误！
请重新安装！</source>
        <translation>%1 is damaged.
Please reinstall Vesperal.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>翻译...</source>
        <translation>Translating...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Whois...</source>
        <translation>Whois...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go to ...</source>
        <translation>Go to...</translation>
    </message>
</context>
<context>
    <name>ExplorerBar</name>
    <message>
        <location filename="../src/frame/ExplorerBar.cpp" line="+21"/>
        <source>收藏夹</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>历史</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>FavoriteFolderTree</name>
    <message>
        <location filename="../src/favorites/FavoritesTree.cpp" line="+40"/>
        <source>收藏夹</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <location line="+98"/>
        <location line="+2"/>
        <source>新建文件夹</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>文件夹名称:</source>
        <translation>Folder name:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“%1”已经存在。</source>
        <translation>“%1” already exists.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>不能创建文件夹“%1”。</source>
        <translation>Cannot create the folder “%1”.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>名称中不能有“/”。</source>
        <translation>A name cannot contain “/”.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1”不能作为名称。</source>
        <translation>“%1” cannot be used as a name.</translation>
    </message>
</context>
<context>
    <name>FavoritesCommands</name>
    <message>
        <location filename="../src/favorites/FavoritesCommands.cpp" line="+204"/>
        <source>超过40 个链接在这个文件夹！
你想一起打开他们？</source>
        <translation>There are more than 40 links in this folder.
Do you want to open them all?</translation>
    </message>
</context>
<context>
    <name>FavoritesMenu</name>
    <message>
        <location filename="../src/favorites/FavoritesMenu.cpp" line="+82"/>
        <source>添加到收藏夹...	Ctrl+D</source>
        <translation>Add to Favorites...	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>整理收藏夹...</source>
        <translation>Organize Favorites...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>导入/导出...</source>
        <translation>Import/Export...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>导入收藏夹...</source>
        <translation>Import Favorites...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>导出收藏夹...</source>
        <translation>Export Favorites...</translation>
    </message>
</context>
<context>
    <name>FavoritesModel</name>
    <message>
        <location filename="../src/favorites/FavoritesModel.cpp" line="+188"/>
        <source>打开在这个文件夹的全部...</source>
        <translation>Open All in This Folder...</translation>
    </message>
</context>
<context>
    <name>FavoritesSeed</name>
    <message>
        <location filename="../src/favorites/FavoritesSeed.cpp" line="+18"/>
        <source>Debian</source>
        <translation>Debian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>维基百科</source>
        <translation>Wikipedia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt 文档</source>
        <translation>Qt Documentation</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>参考资料</source>
        <translation>Reference</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Debian 软件包</source>
        <translation>Debian Packages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Debian 维基</source>
        <translation>Debian Wiki</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C++ 参考手册</source>
        <translation>C++ Reference</translation>
    </message>
</context>
<context>
    <name>FindBox</name>
    <message>
        <location filename="../src/frame/FindBox.cpp" line="+13"/>
        <source>输入文字这里到查找</source>
        <translation>Type the text to find here</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入文字这里到查找和强调</source>
        <translation>Type text here to find and highlight</translation>
    </message>
</context>
<context>
    <name>FrameCommands</name>
    <message>
        <location filename="../src/frame/FrameCommands.cpp" line="+331"/>
        <source>注册热键&apos;Ctrl + Q&apos; 错误! 隐藏失败.</source>
        <translation>Could not register the hotkey Ctrl+Q, so the window cannot be hidden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>帮助文件没找到!</source>
        <translation>The help file was not found.</translation>
    </message>
</context>
<context>
    <name>HistoryGroups</name>
    <message>
        <location filename="../src/history/HistoryGroups.cpp" line="+30"/>
        <source>我的电脑</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>今天</source>
        <translation>Today</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>周以前</source>
        <translation> Weeks Ago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上周</source>
        <translation>Last Week</translation>
    </message>
</context>
<context>
    <name>HistoryMessages</name>
    <message>
        <location filename="../src/history/HistoryMessages.h" line="+11"/>
        <source>历史记录文件已损坏, 已改名为 %1 保存, 现开始新的历史记录.
The history file was damaged. It was kept as %1 and a new history was started.</source>
        <translation>The history file was damaged. It has been kept as %1,
and a new history has been started.</translation>
    </message>
</context>
<context>
    <name>HttpFetcher</name>
    <message>
        <location filename="../src/net/HttpFetcher.cpp" line="+75"/>
        <source>回答超过了 %1 MB。</source>
        <translation>The response is larger than %1 MB.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>只能取 HTTP 和 HTTPS 地址: %1</source>
        <translation>Only HTTP and HTTPS addresses can be fetched: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 秒内没有得到完整的回答。</source>
        <translation>No complete response was received within %1 seconds.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>代理服务器要求登录, 没有登录成功。</source>
        <translation>The proxy server requires a login, and the login did not succeed.</translation>
    </message>
</context>
<context>
    <name>KeyboardMapDialog</name>
    <message>
        <location filename="../src/frame/KeyboardMapDialog.cpp" line="+14"/>
        <source>快捷键列表</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>命令</source>
        <translation>Command</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>快捷键</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>说明</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>MenuLayout</name>
    <message>
        <location filename="../src/frame/MenuLayout.cpp" line="+57"/>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>发送(&amp;D)</source>
        <translation>Sen&amp;d</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>撤销关闭的页面(&amp;U)</source>
        <translation>&amp;Undo Closed Page</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbars</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>浏览器栏(&amp;E)</source>
        <translation>&amp;Explorer Bar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>文字大小(&amp;X)</source>
        <translation>Te&amp;xt Size</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>编码(&amp;E)</source>
        <translation>Enco&amp;ding</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>外观(&amp;S)</source>
        <translation>S&amp;kin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>导航(&amp;N)</source>
        <translation>&amp;Navigate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>转到(&amp;G)</source>
        <translation>&amp;Go To</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>翻译(&amp;R)</source>
        <translation>T&amp;ranslate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>搜索(&amp;S)</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web 目录(&amp;D)</source>
        <translation>Web &amp;Directory</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>收藏夹(&amp;A)</source>
        <translation>F&amp;avorites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>启动时(&amp;S)</source>
        <translation>On &amp;Startup</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>邮件和新闻(&amp;M)</source>
        <translation>&amp;Mail and News</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>电子邮件程序</source>
        <translation>E-mail Programs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新闻程序</source>
        <translation>News Programs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地址簿程序</source>
        <translation>Address Book Programs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>多代理服务器</source>
        <translation>Multiple Proxy Servers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>清除(&amp;C)</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>外部工具(&amp;O)</source>
        <translation>E&amp;xternal Tools</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>窗口(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>OkCancelButtons</name>
    <message>
        <location filename="../src/ui/OkCancelButtons.cpp" line="+11"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>OpenDialog</name>
    <message>
        <location filename="../src/pages/OpenDialog.cpp" line="+16"/>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>请输入一个 URL 或者一个文件路径，然后单击确定，浏览器将打开它</source>
        <translation>Type the address (URL) of a page or the path of a file, and Vesperal will open it for you.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>在新窗口打开</source>
        <translation>Open in a new page</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>网页文件 (*.htm *.html *.shtml *.xhtml *.mht *.mhtml);;文本文件 (*.txt);;所有文件 (*)</source>
        <translation>Web Pages (*.htm *.html *.shtml *.xhtml *.mht *.mhtml);;Text Files (*.txt);;All Files (*)</translation>
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <location filename="../src/pages/PageCommands.cpp" line="+226"/>
        <source>无法打开这剪贴簿.</source>
        <translation>Cannot open the clipboard.</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>没有已关闭的窗口...</source>
        <translation>No Closed Pages...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>已关闭的窗口</source>
        <translation>Closed Pages</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>UnKnown...</source>
        <translation>Unknown...</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>关闭  (双击)(&amp;C)</source>
        <translation>&amp;Close (Double-Click)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全部关闭...</source>
        <translation>Close All...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭该域全部书签(&amp;D)</source>
        <translation>Close All Tabs of This &amp;Domain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全部关闭- 保留该书签(&amp;K)</source>
        <translation>Close All - &amp;Keep This Tab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>刷新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>锁定该书签(&amp;L)...</source>
        <translation>&amp;Lock This Tab...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>添加到收藏夹...</source>
        <translation>Add to Favorites...</translation>
    </message>
</context>
<context>
    <name>PageDropTarget</name>
    <message>
        <location filename="../src/pages/PageDropTarget.cpp" line="+115"/>
        <source>按下&apos;CTRL&apos; 保存选择的文字, 否则脱拽这些文字或 URL 到新标签.</source>
        <translation>Hold down CTRL to save the selected text; otherwise drag the text or URL to a new tab.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>保存文字失败: %1</source>
        <translation>Cannot save the text: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TXT File Saved</source>
        <translation>Text file saved.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>获得我的图片目录失败.</source>
        <translation>Cannot find the My Pictures folder.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>我的图片</source>
        <translation>My Pictures</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>保存图像失败。</source>
        <translation>Cannot save the picture.</translation>
    </message>
</context>
<context>
    <name>PageFileCommands</name>
    <message>
        <location filename="../src/pages/PageFileCommands.cpp" line="+66"/>
        <source>网页, 全部 (*.htm *.html)</source>
        <translation>Web Page, complete (*.htm *.html)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>网页, 仅 HTML (*.htm *.html)</source>
        <translation>Web Page, HTML only (*.htm *.html)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Web 档案, 单一文件 (*.mht *.mhtml)</source>
        <translation>Web Archive, single file (*.mht *.mhtml)</translation>
    </message>
    <message>
        <location line="+180"/>
        <source>保存复制</source>
        <translation>Save a Copy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>保存网页</source>
        <translation>Save Web Page</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>打印设置</source>
        <translation>Page Setup</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>打印预览</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>在桌面上建立快捷方式失败: %1</source>
        <translation>Could not create a shortcut on the desktop: %1</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+6"/>
        <location line="+31"/>
        <source>不能写入文件 %1。</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>不能建立临时文件夹, 不能发送网页。</source>
        <translation>Cannot create a temporary folder; the page cannot be sent.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>没有发现邮件客户程序, 不能发送网页。</source>
        <translation>No mail program was found; the page cannot be sent.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+33"/>
        <source>发送电子邮件失败。</source>
        <translation>Sending the e-mail failed.</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Vesperal 浏览器 - 一个窗口, 许多页面</source>
        <translation>Vesperal browser - one window, many pages</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>试试 Vesperal 浏览器</source>
        <translation>Try the Vesperal browser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>你好,<byte value="xd"/>
<byte value="xd"/>
我在用 Vesperal 浏览器上网: 一个窗口里打开许多页面, 又快又方便。你也试试吧:<byte value="xd"/>
%1<byte value="xd"/>
</source>
        <translation>Hello,<byte value="xd"/>
<byte value="xd"/>
I browse the web with the Vesperal browser: many pages open in one window, fast and convenient. Why not try it too:<byte value="xd"/>
%1<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>没有发现邮件客户程序</source>
        <translation>No mail program was found.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>打开文件</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>网页文件 (*.htm *.html *.shtml *.xht *.xhtml *.mht *.mhtml)</source>
        <translation>Web Pages (*.htm *.html *.shtml *.xht *.xhtml *.mht *.mhtml)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文本文件 (*.txt)</source>
        <translation>Text Files (*.txt)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>图像文件 (*.gif *.jpg *.jpeg *.png *.bmp *.svg *.webp)</source>
        <translation>Image Files (*.gif *.jpg *.jpeg *.png *.bmp *.svg *.webp)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>所有文件 (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>没有发现默认浏览器。请在桌面的设置中选择一个默认浏览器。</source>
        <translation>No default browser was found. Please choose a default browser in the desktop settings.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>默认浏览器就是 Vesperal 本身, 当前页已经在这里打开了。</source>
        <translation>The default browser is Vesperal itself; the current page is already open here.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>启动默认浏览器 %1 失败。</source>
        <translation>Could not start the default browser %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>小甜点编辑失败!</source>
        <translation>Editing the cookies failed.</translation>
    </message>
</context>
<context>
    <name>PageHost</name>
    <message>
        <location filename="../src/pages/PageHost.cpp" line="+456"/>
        <source>loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>脚本错误</source>
        <translation>Script Error</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <location filename="../src/pages/BlankPage.h" line="+12"/>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>PopupRule</name>
    <message>
        <location filename="../src/pages/PopupRule.cpp" line="+38"/>
        <source>载入...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>ProxyCommands</name>
    <message>
        <location filename="../src/net/ProxyCommands.cpp" line="+95"/>
        <source>启用代理服务器</source>
        <translation>Enable Proxy Server </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>代理列表错误.</source>
        <translation>The proxy list is faulty.</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+18"/>
        <source>failed</source>
        <translation>Setting the proxy failed.</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+19"/>
        <source>设定代理失败.</source>
        <translation>Cannot set the proxy.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>载入代理列表...</source>
        <translation>Loading Proxy List...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>更新代理列表...</source>
        <translation>Updating the proxy list...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>请确定你现在是在线的.</source>
        <translation>Please make sure you are online.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>如果你是从代理更新, 请要确定这个代理工作正常.</source>
        <translation>If you update through a proxy, please make sure that the proxy works.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>更新代理列表成功!</source>
        <translation>The proxy list was updated.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check Anonymity...</source>
        <translation>Check Anonymity...</translation>
    </message>
</context>
<context>
    <name>ProxyList</name>
    <message>
        <location filename="../src/net/ProxyList.cpp" line="+68"/>
        <source>更新代理列表失败!</source>
        <translation>Cannot update the proxy list.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>无法写入 %1.</source>
        <translation>Cannot write %1.</translation>
    </message>
</context>
<context>
    <name>ProxyOrganizer</name>
    <message>
        <location filename="../src/net/ProxyOrganizer.cpp" line="+53"/>
        <source>启用代理服务器</source>
        <translation>Enable proxy server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>改变伪装       间隔时间</source>
        <translation>Switch proxy every</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>输入从文件(&amp;I)</source>
        <translation>&amp;Import from File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>更新代理服务器列表(&amp;U)</source>
        <translation>&amp;Update Proxy List</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>整理代理服务器</source>
        <translation>Organize Proxy Servers</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>现在的代理服务器</source>
        <translation>Current Proxy Server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>端口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>改变伪装</source>
        <translation>Proxy Rotation</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>代理 </source>
        <translation>Proxy</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Text File (*.txt);;All Files (*)</source>
        <translation>Text Files (*.txt);;All Files (*)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>无法读取 %1, 它不是一个不大于 4 MB 的文本文件.</source>
        <translation>Cannot read %1: it is not a text file of at most 4 MB.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>请输入一个正的整数。</source>
        <translation>Please enter a positive whole number.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+12"/>
        <source>请输入一个整数在之间 %1 和 %2.</source>
        <translation>Please enter a whole number between %1 and %2.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>代理地址不能为空的或&apos;.&apos;</source>
        <translation>The proxy address cannot be empty or &apos;.&apos;.</translation>
    </message>
</context>
<context>
    <name>RegFile</name>
    <message>
        <location filename="../src/platform/RegFile.cpp" line="+138"/>
        <source>字符串未结束或格式错误 (unterminated or malformed string)</source>
        <translation>unterminated or malformed string</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>dword 值需要八位十六进制数字 (a dword needs eight hexadecimal digits)</source>
        <translation>a dword needs eight hexadecimal digits</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>十六进制字节格式错误 (malformed hexadecimal bytes)</source>
        <translation>malformed hexadecimal bytes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>UTF-16 文本格式错误 (malformed UTF-16 text)</source>
        <translation>malformed UTF-16 text</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>不支持的值类型, 只保存字符串、dword 和 hex (unsupported value type: only strings, dword and hex are kept)</source>
        <translation>unsupported value type: only strings, dword and hex values are kept</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>不是注册表文件: 第一行必须是 &quot;%1&quot; (not a registry file: the first line must be &quot;%1&quot;)</source>
        <translation>not a registry file: the first line must be &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>键行必须以 &apos;]&apos; 结尾 (a key line must end with &apos;]&apos;)</source>
        <translation>a key line must end with &apos;]&apos;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; 中的根键未知 (unknown hive in &quot;%1&quot;)</source>
        <translation>unknown hive in &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>键路径超过 %1 层 (a key path may be at most %1 levels deep)</source>
        <translation>a key path may be at most %1 levels deep</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>键名超过 %1 个字符 (a key name may be at most %1 characters long)</source>
        <translation>a key name may be at most %1 characters long</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>不能删除整个根键 (a whole hive cannot be deleted)</source>
        <translation>a whole hive cannot be deleted</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>值必须在键行之后 (a value must follow a key line)</source>
        <translation>a value must follow a key line</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>值名称未结束 (unterminated value name)</source>
        <translation>unterminated value name</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>此处应为键行、带引号的值名称或 &apos;@&apos; (expected a key line, a quoted value name or &apos;@&apos;)</source>
        <translation>expected a key line, a quoted value name or &apos;@&apos;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>值名称之后应为 &apos;=&apos; (expected &apos;=&apos; after the value name)</source>
        <translation>expected &apos;=&apos; after the value name</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>文件是空的 (the file is empty)</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>文件不是有效的 UTF-16 文本 (the file is not valid UTF-16 text)</source>
        <translation>the file is not valid UTF-16 text</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>文件像是没有字节顺序标记的 UTF-16 文本, 但不是有效的 UTF-16 (the file looks like UTF-16 without a byte order mark, but is not valid UTF-16)</source>
        <translation>the file looks like UTF-16 without a byte order mark, but is not valid UTF-16</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>文件既不是 UTF-8 也不是 UTF-16 文本 (the file is neither UTF-8 nor UTF-16 text)</source>
        <translation>the file is neither UTF-8 nor UTF-16 text</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>无法写入设置存储 (the settings store could not be written)</source>
        <translation>the settings store could not be written</translation>
    </message>
</context>
<context>
    <name>RegistryCommands</name>
    <message>
        <location filename="../src/app/RegistryCommands.cpp" line="+25"/>
        <source>找不到文件 %1, 未导入任何内容.
There is no file %1; nothing was imported.</source>
        <translation>There is no file %1; nothing was imported.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 不是普通文件, 未导入任何内容.
%1 is not a regular file; nothing was imported.</source>
        <translation>%1 is not a regular file; nothing was imported.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 大于 %2 MB, 不是设置文件, 未导入任何内容.
%1 is larger than %2 MB, too large for a settings file; nothing was imported.</source>
        <translation>%1 is larger than %2 MB, too large for a settings file; nothing was imported.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>无法读取 %1, 未导入任何内容.
%1 cannot be read; nothing was imported.</source>
        <translation>%1 cannot be read; nothing was imported.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>无法创建配置文件夹 %1 (cannot create the profile %1)</source>
        <translation>Cannot create the profile folder %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>无法写入 %1: %2 (cannot write %1: %2)</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: %2; 未导入任何内容 (nothing was imported)</source>
        <translation>%1: %2; nothing was imported</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>已从 %3 导入 %1 个键和 %2 个值.
Imported %1 keys and %2 values from %3.</source>
        <translation>Imported %1 keys and %2 values from %3.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>导入删除了 %1 个键和 %2 个值:
The import deleted %1 keys and %2 values:</source>
        <translation>The import deleted %1 keys and %2 values:</translation>
    </message>
</context>
<context>
    <name>StartupPages</name>
    <message>
        <location filename="../src/pages/StartupPages.cpp" line="+119"/>
        <source>%1/startuplist.txt not found.
你可以删除它!</source>
        <translation>%1/startuplist.txt was not found.
You can delete it.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1/startuplist.txt 不是一个不大于 4 MB 的文本文件, 没有打开.</source>
        <translation>%1/startuplist.txt is not a text file of at most 4 MB, so it was not opened.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>打开的页面不能保存到 %1 (磁盘满了吗?). 浏览器会继续尝试.
The open Pages cannot be saved (is the disk full?); Vesperal keeps trying.</source>
        <translation>The open pages cannot be saved to %1 (is the disk full?).
Vesperal will keep trying.</translation>
    </message>
</context>
<context>
    <name>StatusFilter</name>
    <message>
        <location filename="../src/pages/StatusFilter.cpp" line="+16"/>
        <source>安全设置 .</source>
        <translation>Security settings.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Multiple</source>
        <translation>Multiple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown.</source>
        <translation>Unknown.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>40-bit.</source>
        <translation>40-bit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>56-bit.</source>
        <translation>56-bit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fortezza.</source>
        <translation>Fortezza.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>128-bit.</source>
        <translation>128-bit.</translation>
    </message>
</context>
<context>
    <name>StatusPanes</name>
    <message>
        <location filename="../src/ui/StatusPanes.cpp" line="+102"/>
        <source>双击启动或取消代理.</source>
        <translation>Double-click to turn the proxy on or off.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>双击显示或隐藏编辑器！</source>
        <translation>Double-click to show or hide the editor.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>浏览网页时的安全设置.</source>
        <translation>Security settings for browsing web pages.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>在 线 </source>
        <translation>Online</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>离 线  </source>
        <translation>Offline</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在线，双击脱机！</source>
        <translation>Online; double-click to work offline.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>离线，双击链接！</source>
        <translation>Offline; double-click to go online.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>弹 出</source>
        <translation>Pop-ups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>禁止跳出窗口，双击允许跳出窗口。</source>
        <translation>Pop-up windows are blocked; double-click to allow them.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>允许跳出窗口，双击禁止跳出窗口。</source>
        <translation>Pop-up windows are allowed; double-click to block them.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1MB/%2MB physical memory free</source>
        <translation>%1 MB/%2 MB physical memory free</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <location filename="../src/app/StoreMessages.h" line="+13"/>
        <source>设置文件已损坏, 已改名为 %1 保存, 现使用新的设置.
The settings file was damaged. It was kept as %1 and new settings were started.</source>
        <translation>The settings file was damaged. It was kept as %1, and new settings were started.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>无法写入设置文件 %1, 设置将不会被保存.
The settings file %1 cannot be written; settings will not be saved.</source>
        <translation>The settings file %1 cannot be written; settings will not be saved.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>设置文件 %1 不是普通文件, 无法读写设置.
The settings file %1 is not a regular file; settings cannot be read or written.</source>
        <translation>The settings file %1 is not a regular file; settings cannot be read or written.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>没有设置文件 %1, 未导出任何内容.
There is no settings file %1; nothing was exported.</source>
        <translation>There is no settings file %1; nothing was exported.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>设置文件 %1 已损坏, 未导出任何内容. 下次启动时它将被改名保存.
The settings file %1 is damaged; nothing was exported. The next start keeps it under another name and starts new settings.</source>
        <translation>The settings file %1 is damaged; nothing was exported. On the next start it will be kept under another name, and new settings will be started.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 不是本程序的设置文件, 未导出任何内容. 下次启动时它将被改名保存.
%1 is not a settings file of this program (another layout or version); nothing was exported. The next start keeps it under another name and starts new settings.</source>
        <translation>%1 is not a settings file of this program (another layout or version); nothing was exported. On the next start it will be kept under another name, and new settings will be started.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>设置文件 %1 有一次未完成的写入, 未导出任何内容. 请先启动一次程序完成修复.
A write to the settings file %1 was cut off; nothing was exported. Start the program once to finish the repair, then export again.</source>
        <translation>A write to the settings file %1 was cut off; nothing was exported. Start the program once to finish the repair, then export again.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>无法读取设置文件 %1, 未导出任何内容.
The settings file %1 cannot be read; nothing was exported.</source>
        <translation>The settings file %1 cannot be read; nothing was exported.</translation>
    </message>
</context>
<context>
    <name>TextEditor</name>
    <message>
        <location filename="../src/platform/TextEditor.cpp" line="+25"/>
        <source>找不到文本编辑器, 不能打开 %1。</source>
        <translation>No text editor was found; cannot open %1.</translation>
    </message>
</context>
<context>
    <name>UserTools</name>
    <message>
        <location filename="../src/ui/UserTools.cpp" line="+52"/>
        <source>记事本(&amp;N)</source>
        <translation>&amp;Notepad</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>绘画</source>
        <translation>Paint</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>资源管理器</source>
        <translation>File Manager</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>同步(&amp;S)</source>
        <translation>&amp;Synchronize</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>光碟播放器</source>
        <translation>CD Player</translation>
    </message>
</context>
<context>
    <name>VersionCommands</name>
    <message>
        <location filename="../src/net/VersionCommands.cpp" line="+80"/>
        <source>Connect to %1 failed!
尝试过后请...</source>
        <translation>Cannot connect to %1.
Please try again later.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>新的版本已经被发布在%1
你是否要下传新版本的 Vesperal 浏览器?</source>
        <translation>A new version was released on %1.
Do you want to download the new version of Vesperal?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>你现在使用的 Vesperal 浏览器是最新的版本。</source>
        <translation>You are using the latest version of Vesperal.</translation>
    </message>
</context>
</TS>
