<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<HTML>
<HEAD>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=EUC-JP">
<TITLE>商品一覧</TITLE>
<LINK REL="stylesheet" HREF="/css/shop.css">
</HEAD>
<BODY BGCOLOR="#FFFFFF">
<TABLE><TR><TD><A HREF="/">トップ</A></TD><TD><A HREF="item.php?id=3&amp;c=1">商品 3</A></TD><TD></TD></TR></TABLE>
	<P>本日のおすすめ：ｶﾀｶﾅ<BR><IMG SRC="/img/item.gif"></P>
<A HREF="http://other.example.org/page.html">外部サイト</A>
</BODY>
</HTML>
